#!/usr/bin/env python3
# The host side of the benchmarks: bench.py startup|list|install|restore|cpu [ARGS], run by bench/run.sh inside the
# Wine environment it sets up (bench/README.md says what each prints). The Windows side is bench_driver.exe, which
# waits at agreed pauses (NAME.ready, then NAME.go, in a sync folder) while this side reads /proc figures or drops
# the page cache.
import hashlib, math, os, re, shutil, signal, statistics, struct, subprocess, sys, tempfile, time
from pathlib import Path

WINE, BUILD, DIST = os.environ.get("WINE", "wine"), os.environ.get("VELAN_BUILD", ""), os.environ.get("VELAN_DIST", "")
DRIVER, HZ = f"{BUILD}/bench/bench_driver.exe", os.sysconf("SC_CLK_TCK")
SHRINK = os.environ.get("VELAN_BENCH_SHRINK", "")  # every file this many times smaller, for a quick try
SUCCESS = "Instalace úspěšně dokončena"


def win(path):  # Wine maps the host's root on Z:
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def fail(message):
    sys.exit(f"FAILED: {message}")


def median(values):
    return statistics.median(map(float, values)) if values else 0


def files(root):
    return sorted(os.path.join(d, name) for d, _, names in os.walk(root) for name in names)


def out(*args):  # a command's output, without Wine's carriage returns; its failure ends the benchmark
    done = subprocess.run(args, stdout=subprocess.PIPE, encoding="utf-8", errors="replace")
    if done.returncode:
        sys.exit(done.stdout.replace("\r", "") + f"{' '.join(args)}: exit code {done.returncode}")
    return done.stdout.replace("\r", "")


def drop():  # the page cache, where this user may; False where it may not
    os.sync()
    try:
        Path("/proc/sys/vm/drop_caches").write_text("3")
        return True
    except OSError:
        return False


def ticks(task):  # user and system time of a process or thread, the fields after its name (which may hold spaces)
    fields = Path(f"/proc/{task}/stat").read_text().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def hwm(pid):
    return re.search(r"VmHWM:\s*(\d+)", Path(f"/proc/{pid}/status").read_text())[1]


def host_pid(pattern):  # the lowest pid of this prefix whose command line matches, as pgrep -f finds it
    for pid in sorted(int(p) for p in os.listdir("/proc") if p.isdigit()):
        try:
            command = Path(f"/proc/{pid}/cmdline").read_bytes().replace(b"\0", b" ").decode(errors="replace").strip()
            ours = f"WINEPREFIX={os.environ['WINEPREFIX']}\0".encode() in Path(f"/proc/{pid}/environ").read_bytes()
        except OSError:
            continue
        if ours and re.search(pattern, command):
            return pid


def figures(text):  # the first value of each name in the driver's tab-separated lines
    found = {}
    for line in text.splitlines():
        name, _, value = line.partition("\t")
        found.setdefault(name, value.split("\t")[0])
    return found


def drive(args, log, pauses, **env):
    # Runs bench_driver.exe ARGS; at each pause in turn runs its action, then lets the driver go on. Gives back the
    # driver's output, whether it reached every pause, and its exit code.
    sync = os.environ["BENCH_SYNC_DIR"]
    for name in os.listdir(sync):
        os.remove(sync + name)
    with open(log, "w") as o:
        driver = subprocess.Popen([WINE, DRIVER, *args], stdout=o, stderr=subprocess.STDOUT, env={**os.environ, **env})
        reached = True
        for name, action in pauses:
            while reached and not os.path.exists(f"{sync}{name}.ready"):
                reached = driver.poll() is None
                time.sleep(0.02)
            if not reached:
                break
            if action:
                action()
            Path(f"{sync}{name}.go").touch()
        code = driver.wait()
    return Path(log).read_text(errors="replace").replace("\r", ""), reached, code


def timed_cp(source, target, *flags):  # cp -r, then sync: the seconds to each end; no reflinks, so data is copied
    started = time.time()
    subprocess.run(["cp", "-r", "--reflink=never", *flags, source, target], check=True)
    copied = time.time() - started
    os.sync()
    return "%.3f" % copied, "%.3f" % (time.time() - started)


def make_tree(root, with_list=False):
    # The translation of the install and restore runs: 2,000 files, exactly 1 GiB, in a spread like a game's (many
    # small texts, fewer large sounds and movies, in 35 folders), random content so that nothing on the way can
    # shortcut it; with_list also writes files.cfg copying each file to the same place in the game folder.
    block, lines = os.urandom(1 << 20), []
    for count, kib, folder, extension, per in [(1200, 64, "texts", "txt", 100), (600, 512, "textures", "tga", 50),
                                               (180, 2048, "sounds", "wav", 45), (16, 16384, "movies", "bik", 16),
                                               (4, 8448, "maps", "map", 4)]:  # per: files per subfolder
        for i in range(count):
            n, size = len(lines), kib * 1024 // int(SHRINK or 1)
            relative = "data\\%s\\%02d\\%s%04d.%s" % (folder, i // per, folder[:3], n, extension)
            path = Path(root, *relative.split("\\"))
            path.parent.mkdir(parents=True, exist_ok=True)
            with open(path, "wb") as f:
                offset = n * 4099 % 4096
                while f.tell() < size:
                    f.write(block[offset:offset + size - f.tell()])
                    offset = 0
            lines.append("<INSTDIR>%s|%s\r\n" % (relative, relative))
    if with_list:
        Path(root, "files.cfg").write_bytes("".join(lines).encode())


def stage(pkg):  # an installer folder beside the translation, with the movie and the information document
    make_tree(pkg, True)
    for name in ("VELANInst.exe", "fmod.dll"):
        shutil.copy(f"{DIST}/{name}", pkg)
    Path(pkg, "intro.bik").touch()
    Path(pkg, "CZ_info.txt").write_bytes(b"Informace\r\n")


def startup(work, rounds="15"):
    # Process start to the installer window on the screen, against a minimal dialog of ours started the same way
    # (the floor of this platform), alternating. The installer folder is as shipped: the program and its library, the
    # movie that suppresses the movie message, a version note, a 600x600 photo-like background and a list of 1,000
    # lines whose every source is shipped (so each is looked for).
    os.environ["LC_ALL"] = "cs_CZ.UTF-8"  # the players this is for see Czech texts; their code page is 1250
    pkg, rounds = f"{work}/installer", int(rounds)
    os.makedirs(f"{pkg}/data")
    subprocess.run(["convert", "-seed", "7", "-size", "600x600", "plasma:fractal", "-quality", "90",
                    f"{pkg}/backgrnd.jpg"], check=True)
    for i in range(1000):
        Path(pkg, f"data/t{i:03d}.dat").write_bytes(b"translated text %03d\r\n" % i)
    Path(pkg, "files.cfg").write_bytes(b"".join(b"<INSTDIR>data\\t%03d.dat|\\data\\t%03d.dat\r\n" % (i, i)
                                                for i in range(1000)))
    for path in (f"{DIST}/VELANInst.exe", f"{DIST}/fmod.dll", f"{BUILD}/bench/minimal_dialog.exe"):
        shutil.copy(path, pkg)
    Path(pkg, "intro.bik").touch()
    Path(pkg, "version").write_bytes("Verze 1.0\r\nPřeklad: tým VELAN\r\n".encode("cp1250"))
    programs = {"installer": win(f"{pkg}/VELANInst.exe"), "floor": win(f"{pkg}/minimal_dialog.exe")}
    print(f"installer folder: VELANInst.exe, fmod.dll, intro.bik (empty), version, backgrnd.jpg ("
          f"{os.path.getsize(f'{pkg}/backgrnd.jpg')} bytes, 600x600), files.cfg (1000 lines, every source a shipped "
          "file of ~20 bytes); no registry value")
    runs = {label: [] for label in programs}
    for line in out(WINE, DRIVER, "startup", str(rounds), "2", *(f"{n}={p}" for n, p in programs.items())).splitlines():
        fields = line.split("\t")  # run, label, counted, shown, on screen (-1: never)
        if fields[0] != "run":
            print(line)
        elif fields[2] == "1":
            runs[fields[1]].append(fields[3:])
    print(f"{rounds} rounds after 2 warm-up rounds, programs alternating; ms from CreateProcess [on screen, all runs]")
    # Minimums as well, since on a shared machine they move less than medians; a run that never showed is -1.
    at = {}
    for label, r in runs.items():
        shown, onscreen = [[float(v) for v in c if float(v) >= 0] or [0] for c in zip(*r)] or [[0], [0]]
        at[label] = median(onscreen), min(onscreen)
        print("%-10s shown %7.1f   on screen: median %7.1f min %7.1f   [%s]" % (
            label, median(shown), *at[label], " ".join("%.0f" % float(f[1]) for f in r)))
    print("ratio installer / floor, on screen: medians %.2f, minimums %.2f" % (
        at["installer"][0] / at["floor"][0], at["installer"][1] / at["floor"][1]))


def install(work, cache="cold", rounds="3"):
    # The install run of the 1 GiB translation through the real window, against the NSIS installer of the same tree,
    # cp -r on the host and cp -r then sync, alternating; then Storno in the progress window, timed to the restored
    # state. Every copy stays until the end: ext4 passes over inodes deleted within the last
    # minute whenever it allocates one, which made the next contender's 2,000 new files cost the wineserver more.
    if cache not in ("cold", "warm"):
        sys.exit("usage: bench/install.sh [cold|warm] [ROUNDS]")
    if not drop():
        print("note: cannot drop the page cache here (not root?); the source stays cached (warm) throughout")
        cache = "warm"
    pkg, sync, setup, rounds = f"{work}/pkg", f"{work}/sync/", f"{work}/nsis/setup.exe", int(rounds)
    for name in ("sync", "out", "nsis", "copies"):
        os.makedirs(f"{work}/{name}")
    stage(pkg)
    data = files(f"{pkg}/data")
    # The NSIS installer of the same tree (the list copies each file to the same place in the game folder), stored
    # uncompressed and unchecked so that it, like the installer, only copies. The 64-bit twin gets the 64-bit stub, so
    # that both programs run alike under Wine. The work folder's path holds no quote and no $.
    target = "amd64-unicode" if os.environ.get("VELAN_BITS") == "64" else "x86-unicode"
    if not os.path.exists(f"/usr/share/nsis/Stubs/zlib-{target}"):
        sys.exit(f"Debian's nsis has no {target} stub in /usr/share/nsis/Stubs")
    Path(work, "nsis/peer.nsi").write_text("\n".join([
        f"Target {target}", "SetCompress off", "CRCCheck off", "SetDatablockOptimize off", 'Name "VELANInst peer"',
        f'OutFile "{setup}"', 'InstallDir "$TEMP\\velan-bench-peer"', "RequestExecutionLevel user", "Section",
        'SetOutPath "$INSTDIR\\data"', f'File /r "{pkg}/data/*"', "SectionEnd"]) + "\n")
    out("makensis", "-V1", f"{work}/nsis/peer.nsi")
    server = host_pid(r"^/usr/lib/wine/wineserver(64)?( |$)") or sys.exit("no wineserver of this prefix runs")
    os.environ.update(BENCH_INSTALLER_DIR=pkg + "/", BENCH_SYNC_DIR=sync)
    seconds, cpu, last = {}, [], {}
    record = lambda name, value: seconds.setdefault(name, []).append(value)
    m = lambda name: median(seconds.get(name, []))

    def prepare():  # warm or cold, every contender starts from the same memory: nothing cached but what it reads
        drop()
        for path in data + [setup] if cache == "warm" else []:
            with open(path, "rb") as f:
                while f.read(1 << 20):
                    pass

    def check(contender, game, extra=()):  # the tree and nothing else
        left = sorted(os.listdir(game))
        diff = subprocess.run(["diff", "-r", "-q", f"{pkg}/data", f"{game}/data"], capture_output=True, text=True)
        if diff.returncode or left != sorted([*extra, "data"]):
            fail(f"the copy by the {contender} differs from its source (folder holds: {' '.join(left)})\n"
                 + "\n".join((diff.stdout + diff.stderr).splitlines()[:20]))

    def run(contender, r, args, pauses, extra=(), **env):  # a driver, which must reach every pause
        game = f"{work}/copies/{contender}{r}"
        os.mkdir(game)
        text, reached, code = drive(args, f"{work}/out/{contender}{r}", pauses, BENCH_GAME_DIR=game + "/", **env)
        if not reached or code:
            fail("the Windows-side program ended early:\n" + text)
        check(contender, game, extra)
        return figures(text)

    def run_cp(r):
        os.mkdir(f"{work}/copies/cp{r}")
        prepare()
        for name, value in zip(("cp", "cp_sync"), timed_cp(f"{pkg}/data", f"{work}/copies/cp{r}/")):
            record(name, value)
        check("cp -r", f"{work}/copies/cp{r}")

    def run_installer(r):
        def idle():
            last["pid"] = host_pid(r"VELANInst\.exe") or sys.exit("no installer of this prefix runs")
            last["idle_hwm"] = hwm(last["pid"])
            prepare()
            last["ticks"] = ticks(last["pid"]), ticks(server)

        def done():
            i, s = last["ticks"]
            cpu.append("%.2f+%.2f" % ((ticks(last["pid"]) - i) / HZ, (ticks(server) - s) / HZ))
            last.update(done_hwm=hwm(last["pid"]))

        last.update(run("installer", r, ["install"], [("idle", idle), ("done", done)], ["VELANInst.restore"]))
        if last.get("status") != SUCCESS:
            fail(f"the installer's run ended with \"{last.get('status', '')}\", not \"{SUCCESS}\"")
        record("installer", last["press_to_enabled_s"])

    def run_nsis(r):  # /D= comes last and unquoted, as NSIS wants it
        line = f'"{win(setup)}" /S /D={win(f"{work}/copies/nsis{r}")}'
        record("nsis", run("nsis", r, ["run"], [("ready", prepare), ("ran", None)], BENCH_COMMAND_LINE=line)["run_s"])

    def run_storno(r):  # Storno once about a third of a full run has passed: well into the copy, far from its end
        game, left = f"{work}/game{r}/", []
        os.mkdir(game)
        looked = lambda: left.extend(os.path.relpath(os.path.join(d, n), game) for d, ds, fs in os.walk(game)
                                     for n in ds + fs)  # while the installer still runs: what Storno left
        text, reached, code = drive(["storno", "%.3f" % ((m("installer") or 2) / 3)], f"{work}/out/storno{r}",
                                    [("idle", prepare), ("done", looked)], BENCH_GAME_DIR=game)
        if not reached or code or left:
            fail(f"Storno in round {r}: {len(left)} entries left ({' '.join(left[:3])}); driver said:\n{text[:600]}")
        record("storno", figures(text)["storno_to_restored_s"])
        record("storno_at", figures(text)["press_to_storno_s"])

    load_before = " ".join(Path("/proc/loadavg").read_text().split()[:3])
    contenders = [run_cp, run_installer, run_nsis]
    for r in range(1, rounds + 1):
        for contender in contenders if r % 2 else contenders[::-1]:
            contender(r)
    # Last, since each Storno's undo deletes what it copied, which no copy above may pay for.
    for r in range(1, rounds + 1):
        run_storno(r)
    load_after = " ".join(Path("/proc/loadavg").read_text().split()[:3])

    folders = sum(len(d) for _, d, _ in os.walk(f"{pkg}/data"))
    print(f"tree: {len(data)} files, {sum(map(os.path.getsize, data))} bytes in {folders} folders (1200 x 64 KiB, "
          f"600 x 512 KiB, 180 x 2 MiB, 4 x 8.25 MiB, 16 x 16 MiB{', each / ' + SHRINK if SHRINK else ''}); "
          "files.cfg of a line each; game folder empty, path typed into the path box")
    print(f"NSIS {out('makensis', '-VERSION').strip()} installer of the same tree: Target {target}, SetCompress off, "
          f"CRCCheck off; {os.path.getsize(setup)} bytes; run as setup.exe /S /D=<empty game folder>")
    print(f"page cache: {cache} before each copy; {rounds} rounds, alternating order; medians [all runs]; load "
          f"average before/after: {load_before} / {load_after} ({len(os.sched_getaffinity(0))} cores)")
    row = lambda label, name: print("%-50s %7.3f s  [%s]" % (label, m(name), " ".join(seconds[name])))
    row("installer: Install pressed to the success line", "installer")
    row("NSIS installer: process start to exit", "nsis")
    row("cp -r on the host (floor)", "cp")
    row("cp -r, then sync: the floor with the copy on disk", "cp_sync")
    row("Storno to the restored state (goal < 1 s)", "storno")
    ratio = lambda peer, goal="": "%.2f%s" % (m("installer") / m(peer), goal and f" (goal <= {goal})")
    print(f"every copy identical; Storno pressed {m('storno_at'):.3f} s after Install (median), game folder then empty")
    print(f"ratios (medians): installer / NSIS {ratio('nsis', '1.0')}   installer / cp -r {ratio('cp', '1.5')}   "
          f"installer / (cp -r, then sync) {ratio('cp_sync')}")
    after = lambda name: "%.2f s" % float(last[name]) if float(last[name]) >= 0 else "never"
    print(f"installer, last full run: after Install, first file written {after('press_to_first_write_s')}, progress "
          f"window naming a file {after('press_to_progress_window_s')}, Notepad with CZ_info "
          f"{after('press_to_notepad_s')}; the window answered no message for up to "
          f"{float(last['longest_unresponsive_s']):.2f} s")
    print(f"  processor seconds per run, installer + wineserver: [{' '.join(cpu)}]; memory of its host process "
          f"(VmHWM): idle before Install {last['idle_hwm']} kB, after the run {last['done_hwm']} kB")


def restore(work, rounds="3"):
    # The restore of the install run's translation over a game in which it replaced every file, started as the list
    # of installed programs starts it, against cp -r of the originals (what a user without a restore would do), with
    # and without sync, and against bare renames of the same files (the floor of a restore: it only renames). Every
    # restore is compared with the originals: names, content and times of last change.
    pkg, originals, game, sync = f"{work}/pkg", f"{work}/originals", f"{work}/game", f"{work}/sync/"
    os.makedirs(sync)
    stage(pkg)
    make_tree(originals)
    tree = lambda: [(p, os.stat(p).st_mtime_ns, hashlib.md5(Path(p).read_bytes()).digest()) for p in files(game)]
    figure_of = {"restore": "restore_s", "cleared": "cleared_s", "renames": "bare_renames_s", "cp": "cp",
                 "cp_sync": "cp_sync"}
    runs = {name: [] for name in figure_of}
    os.environ.update(BENCH_INSTALLER_DIR=pkg + "/", BENCH_GAME_DIR=game + "/", BENCH_SYNC_DIR=sync)
    for r in range(1, int(rounds) + 1):
        for path in (game, f"{work}/cp"):
            shutil.rmtree(path, ignore_errors=True)
        subprocess.run(["cp", "-a", originals, game], check=True)
        expected = tree()
        text, reached, code = drive(["install"], f"{work}/install{r}.txt", [("idle", None), ("done", None)])
        if not reached or code or subprocess.run(["diff", "-r", "-q", f"{pkg}/data", f"{game}/data"]).returncode:
            fail("the install did not copy the translation: " + text)
        kept = out("du", "-sb", f"{game}/VELANInst.restore").split()[0]
        text, reached, code = drive(["restore"], f"{work}/restore{r}.txt", [("start", drop)])
        if not reached or code:
            fail(("the restore did not run: " if reached else "the restore driver did not start: ") + text)
        time.sleep(0.5)  # the copy outside the game folder ends after the folder is gone
        if tree() != expected or os.listdir(game) != ["data"]:
            fail("the restored game differs from its originals; it holds " + " ".join(sorted(os.listdir(game))))
        f = figures(text)
        os.mkdir(f"{work}/cp")
        drop()
        f["cp"], f["cp_sync"] = timed_cp(f"{originals}/data", f"{work}/cp/", "--preserve=timestamps")
        for name, figure in figure_of.items():
            runs[name].append(f[figure])
    print(f"restore of {len(files(originals))} files, {out('du', '-sb', originals).split()[0]} bytes; restore point "
          f"{kept} bytes")
    print(f"bare renames: {f['bare_renames']} MoveFileExA calls over the restored files (warm), as the restore's floor")
    for name, values in runs.items():
        print("%-10s median %6.3f s   runs: %s" % (name, median(values), " ".join(values)))


def cpu(work, seconds="10"):
    # Processor time over SECONDS of the idle installer without music (the floor), then with music playing, then of a
    # bare program playing the same file through the system's player (what sound itself costs here), one player at a
    # time; percent of one core from the host's process accounting. Each player sounds into a
    # paced file sink of its own (bench/paced_sink.py, a program of its own that starts at once, since the time it
    # starts is the pace's origin), in a home folder of its own.
    seconds = int(seconds)
    for player in ("music", "floor"):
        Path(work, f"home-{player}").mkdir()
        Path(work, f"home-{player}/.asoundrc").write_text(
            f'pcm.!default {{ type file slave.pcm "null" file "|python3 {os.path.dirname(os.path.abspath(__file__))}/'
            f'paced_sink.py {work}/home-{player}/out.raw" format "raw" }}\nctl.!default {{ type hw card 0 }}\n')
    for name in ("quiet", "music"):
        os.makedirs(f"{work}/{name}")
        for program in ("VELANInst.exe", "fmod.dll"):
            shutil.copy(f"{DIST}/{program}", f"{work}/{name}")
        Path(work, name, "intro.bik").touch()
        Path(work, name, "files.cfg").touch()
    Path(work, "floor").mkdir()
    shutil.copy(f"{BUILD}/bench/play_floor.exe", f"{work}/floor")
    # A minute of tone, longer than the measurement, already in the output's format (44,100 Hz, stereo, 16 bits) so
    # that neither player converts.
    wave = (int(9000 * math.sin(2 * math.pi * 441 * i / 44100)) for i in range(44100))
    one = b"".join(struct.pack("<hh", v, v) for v in wave)
    tone = struct.pack("<4sI8sIHHIIHH4sI", b"RIFF", 36 + 60 * len(one), b"WAVEfmt ", 16, 1, 2, 44100, 4 * 44100, 4, 16,
                       b"data", 60 * len(one)) + one * 60
    Path(work, "music/backgrnd.snd").write_bytes(tone)
    Path(work, "floor/tone.wav").write_bytes(tone)

    def start(folder, program, drivers, *args):  # the host pid of a player started with these audio drivers off
        home = {"HOME": f"{work}/home-{folder}"} if folder != "quiet" else {}
        subprocess.Popen([WINE, f"{work}/{folder}/{program}", *args], cwd=f"{work}/{folder}", stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL, env={**os.environ, "WINEDLLOVERRIDES": f"mscoree,mshtml,{drivers}=",
                                                         **home})
        for _ in range(100):
            if pid := host_pid(re.escape(f"{work}/{folder}/{program}")):
                return pid
            time.sleep(0.1)
        sys.exit(f"{program} in {folder} did not start")

    def watch(pids, player):  # ticks of each process, and bytes a second into the player's sink
        sink = Path(work, f"home-{player}/out.raw")
        size = lambda: sink.stat().st_size if sink.exists() else 0
        time.sleep(3)  # past start-up
        before, sized = [ticks(p) for p in pids], size()
        time.sleep(seconds)
        return [ticks(p) - b for p, b in zip(pids, before)], (size() - sized) // seconds

    quiet = start("quiet", "VELANInst.exe", "winealsa.drv,winepulse.drv")
    music = start("music", "VELANInst.exe", "winepulse.drv")
    (q, m), music_bytes = watch([quiet, music], "music")
    os.kill(music, signal.SIGTERM)
    (f,), floor_bytes = watch([start("floor", "play_floor.exe", "winepulse.drv", "tone.wav")], "floor")
    share = lambda t: 100 * t / HZ / seconds
    reached = " (%d bytes a second reached the output)"
    print("idle installer, no music:        %5.2f %% of a core over %d s" % (share(q), seconds))
    print("idle installer, music on:        %5.2f %% of a core over %d s" % (share(m), seconds) + reached % music_bytes)
    print("bare player, same file (floor):  %5.2f %% of a core over %d s" % (share(f), seconds) + reached % floor_bytes)
    print("music on / bare player:          %5.2f" % (m / f if f > 0 else 0))


if __name__ == "__main__":
    name, args = (sys.argv + [""])[1], sys.argv[2:]
    if name == "list":  # install lists of 10,000 and 100,000 lines against reading the same file line by line
        print(out(WINE, DRIVER, "list"), end="")
    elif name in ("startup", "install", "restore", "cpu"):
        # The 1 GiB trees go to VELAN_BENCH_DIR (default /var/tmp, on the build's disk here).
        big = os.environ.get("VELAN_BENCH_DIR", "/var/tmp") if name in ("install", "restore") else None
        work = tempfile.mkdtemp(prefix=f"velan-{name}-bench.", dir=big)
        try:
            globals()[name](work, *args)
        finally:
            shutil.rmtree(work, ignore_errors=True)
    else:
        sys.exit("usage: bench.py startup|list|install|restore|cpu [ARGS]")
