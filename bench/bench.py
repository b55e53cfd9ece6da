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


def drive(args, log, sync, pauses, **env):
    # Runs bench_driver.exe ARGS; at each pause in turn runs its action, then lets the driver go on. Gives back the
    # driver's output, whether it reached every pause, and its exit code.
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


def startup(work, *args):
    # Process start to the installer window on the screen, against a minimal dialog of ours started the same way
    # (the floor of this platform), alternating; --breakdown adds the floor importing the installer's libraries, the
    # same setting up the sound library, and the installer without the picture, with an empty list, with neither.
    rounds = int(([a for a in args if a != "--breakdown"] or [15])[-1])
    os.environ["LC_ALL"] = "cs_CZ.UTF-8"  # the players this is for see Czech texts; their code page is 1250
    subprocess.run(["convert", "-seed", "7", "-size", "600x600", "plasma:fractal", "-quality", "90",
                    f"{work}/backgrnd.jpg"], check=True)
    Path(work, "data").mkdir()
    for i in range(1000):
        Path(work, f"data/t{i:03d}.dat").write_bytes(b"translated text %03d\r\n" % i)
    Path(work, "files.cfg").write_bytes(b"".join(b"<INSTDIR>data\\t%03d.dat|\\data\\t%03d.dat\r\n" % (i, i)
                                                 for i in range(1000)))

    def folder(name, picture=True, listed=True):
        # As shipped: the program and its library, the movie that suppresses the movie message, a version note, a
        # 600x600 photo-like background, a list of 1,000 lines whose every source is shipped (so each is looked for).
        os.makedirs(f"{work}/{name}/data")
        if listed:
            shutil.copytree(f"{work}/data", f"{work}/{name}/data", dirs_exist_ok=True)
        for path in [f"{DIST}/VELANInst.exe", f"{DIST}/fmod.dll"] + [f"{work}/backgrnd.jpg"] * picture:
            shutil.copy(path, f"{work}/{name}")
        Path(work, name, "files.cfg").write_bytes(Path(work, "files.cfg").read_bytes() if listed else b"")
        Path(work, name, "intro.bik").touch()
        Path(work, name, "version").write_bytes("Verze 1.0\r\nPřeklad: tým VELAN\r\n".encode("cp1250"))
        return win(f"{work}/{name}/VELANInst.exe")

    os.makedirs(f"{work}/floors")
    for path in [f"{BUILD}/bench/minimal_dialog{variant}.exe" for variant in ("", "_libraries", "_sound")]:
        shutil.copy(path, f"{work}/floors")
    shutil.copy(f"{DIST}/fmod.dll", f"{work}/floors")
    programs = {"installer": folder("installer"), "floor": win(f"{work}/floors/minimal_dialog.exe")}
    if "--breakdown" in args:
        programs.update({"floor+libraries": win(f"{work}/floors/minimal_dialog_libraries.exe"),
                         "floor+lib+sound": win(f"{work}/floors/minimal_dialog_sound.exe"),
                         "no picture": folder("no-picture", False), "empty list": folder("empty-list", True, False),
                         "neither": folder("neither", False, False)})
    print(f"installer folder: VELANInst.exe, fmod.dll, intro.bik (empty), version, backgrnd.jpg ("
          f"{os.path.getsize(f'{work}/backgrnd.jpg')} bytes, 600x600), files.cfg (1000 lines, every source a shipped "
          "file of ~20 bytes); no registry value")
    runs, failed = {label: [] for label in programs}, dict.fromkeys(programs, 0)
    for line in out(WINE, DRIVER, "startup", str(rounds), "2", *(f"{n}={p}" for n, p in programs.items())).splitlines():
        fields = line.split("\t")  # run, label, counted, shown, painted, on screen (-1: never), last check
        if fields[0] != "run":
            print(line)
        elif float(fields[5]) < 0:
            failed[fields[1]] += 1
        elif fields[2] == "1":
            runs[fields[1]].append(fields[3:])
    print(f"{rounds} rounds after 2 warm-up rounds, programs alternating; ms from CreateProcess")
    print("%-16s %17s %17s %17s %11s" % ("", "shown", "painted", "on screen", "last check"))
    print("%-16s %8s %8s %8s %8s %8s %8s %11s" % ("program", *["median", "min"] * 3, "median"))
    # Median and minimum of each moment; minimums as well, since on a shared machine they move less than medians.
    at = {label: [(median(c), min(map(float, c))) for c in zip(*r)] or [(0, 0)] * 4 for label, r in runs.items()}
    for label, (shown, painted, onscreen, last) in at.items():
        print("%-16s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %11.1f" % (label, *shown, *painted, *onscreen, last[0])
              + (f"  ({failed[label]} runs failed)" if failed[label] else ""))
    for label in [label for label in programs if label != "floor"]:
        print("ratio %s / floor, on screen: medians %.2f, minimums %.2f" % (
            label, at[label][2][0] / at["floor"][2][0], at[label][2][1] / at["floor"][2][1])
            + (" (shown, medians: %.2f)" % (at[label][0][0] / at["floor"][0][0]) if label == "installer" else ""))


def install(work, cache="cold", rounds="3"):
    # The install run of the 1 GiB translation through the real window, against the NSIS installer of the same tree,
    # cp -r on the host, cp -r then sync, and a bare CopyFileA loop, alternating; then Storno in the progress window,
    # timed to the restored state. Every copy stays until the end: ext4 passes over inodes deleted within the last
    # minute whenever it allocates one, which made the next contender's 2,000 new files cost the wineserver more.
    if cache not in ("cold", "warm"):
        print("usage: bench/install.sh [cold|warm] [ROUNDS]", file=sys.stderr)
        sys.exit(2)
    if not drop():
        print("note: cannot drop the page cache here (not root?); the source stays cached (warm) throughout")
        cache = "warm"
    pkg, sync, setup, rounds = f"{work}/pkg", f"{work}/sync/", f"{work}/nsis/setup.exe", int(rounds)
    for name in ("sync", "out", "nsis", "copies"):
        os.makedirs(f"{work}/{name}")
    stage(pkg)
    data = files(f"{pkg}/data")
    # The NSIS installer of the same tree: one File per line of files.cfg, into the folder its destination names,
    # stored uncompressed and unchecked so that it, like the installer, only copies. The 64-bit twin gets the 64-bit
    # stub, so that both programs run alike under Wine. NSIS expands $; our paths hold no quotes.
    target = "amd64-unicode" if os.environ.get("VELAN_BITS") == "64" else "x86-unicode"
    if not os.path.exists(f"/usr/share/nsis/Stubs/zlib-{target}"):
        sys.exit(f"Debian's nsis has no {target} stub in /usr/share/nsis/Stubs")
    quoted = lambda text: '"%s"' % text.replace("$", "$$")
    script, folder = [f"Target {target}", "SetCompress off", "CRCCheck off", "SetDatablockOptimize off",
                      'Name "VELANInst benchmark peer"', "OutFile " + quoted(setup),
                      'InstallDir "$TEMP\\velan-bench-peer"', "RequestExecutionLevel user", "Section"], None
    for source, dest in (line.split("|") for line in Path(pkg, "files.cfg").read_text().splitlines()):
        where, _, name = dest.lstrip("\\").rpartition("\\")
        if where != folder:
            script.append('SetOutPath "$INSTDIR%s"' % ("\\" + where.replace("$", "$$") if where else ""))
            folder = where
        path = pkg + "/" + source[len("<INSTDIR>"):].replace("\\", "/")
        script.append(f"File {quoted('/oname=' + name)} {quoted(path)}")
    Path(work, "nsis/peer.nsi").write_text("\n".join(script + ["SectionEnd"]) + "\n")
    started = time.time()
    made = subprocess.run(["makensis", "-V1", f"{work}/nsis/peer.nsi"], capture_output=True, text=True)
    made_in = time.time() - started
    if made.returncode:
        sys.exit("makensis failed:\n" + made.stdout + made.stderr)
    server = host_pid(r"^/usr/lib/wine/wineserver(64)?( |$)") or sys.exit("no wineserver of this prefix runs")
    os.environ.update(BENCH_INSTALLER_DIR=pkg + "/", BENCH_SYNC_DIR=sync)
    seconds, cpu, last, storno = {}, [], {}, {"error": "", "states": []}
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
            sys.exit(f"FAILED: the copy by the {contender} differs from its source (folder holds: {' '.join(left)})\n"
                     + "\n".join((diff.stdout + diff.stderr).splitlines()[:20]))

    def run(contender, r, args, pauses, extra=(), **env):  # a driver, which must reach every pause
        game = f"{work}/copies/{contender}{r}"
        os.mkdir(game)
        text, reached, code = drive(args, f"{work}/out/{contender}{r}", sync, pauses, BENCH_GAME_DIR=game + "/", **env)
        if not reached or code:
            sys.exit("FAILED: the Windows-side program ended early:\n" + text)
        check(contender, game, extra)
        return figures(text) | {"text": text}

    def run_cp(r):
        os.mkdir(f"{work}/copies/cp{r}")
        prepare()
        started = time.time()
        # No reflinks: the data is copied on any file system.
        subprocess.run(["cp", "-r", "--reflink=never", f"{pkg}/data", f"{work}/copies/cp{r}/"], check=True)
        record("cp", "%.3f" % (time.time() - started))
        os.sync()
        record("cp_sync", "%.3f" % (time.time() - started))
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

    def run_copyfile(r):
        record("copyfile", run("copyfile", r, ["copy"], [("ready", prepare), ("copied", None)])["copy_s"])

    def run_storno(r):
        game = f"{work}/game/"
        os.mkdir(game)

        def done():  # looked at while the installer still runs: the state Storno left, not what closing does
            left = sorted(os.path.relpath(os.path.join(d, n), game) for d, ds, fs in os.walk(game) for n in ds + fs)
            storno["states"].append(f"NOT as before: {len(left)} entries left ({' '.join(left[:3])})" if left
                                    else "empty, as before")

        # Storno once about a third of a full run has passed: well into the copy, far from its end.
        after = "%.3f" % ((m("installer") or 2) / 3)
        text, reached, _ = drive(["storno", after], f"{work}/out/storno{r}", sync, [("idle", prepare), ("done", done)],
                                 BENCH_GAME_DIR=game)
        f = figures(text)
        storno.update(error=f.get("error") or ("" if reached else "the driver ended early: " + text[:300]), round=r,
                      text=text)
        if not storno["error"]:
            record("storno", f["storno_to_restored_s"])
            record("storno_at", f["press_to_storno_s"])
            storno.update(last=f)
        shutil.rmtree(game)

    load_before = " ".join(Path("/proc/loadavg").read_text().split()[:3])
    contenders = [run_cp, run_installer, run_nsis, run_copyfile]
    for r in range(1, rounds + 1):
        for contender in contenders if r % 2 else contenders[::-1]:
            contender(r)
    # Last, since each Storno's undo deletes what it copied, which no copy above may pay for; one failure says it.
    for r in range(1, rounds + 1):
        if not storno["error"]:
            run_storno(r)
    load_after = " ".join(Path("/proc/loadavg").read_text().split()[:3])

    folders = sum(len(d) for _, d, _ in os.walk(f"{pkg}/data"))
    print(f"tree: {len(data)} files, {sum(map(os.path.getsize, data))} bytes in {folders} folders (1200 x 64 KiB, "
          f"600 x 512 KiB, 180 x 2 MiB, 4 x 8.25 MiB, 16 x 16 MiB{', each / ' + SHRINK if SHRINK else ''})")
    print(f"list: files.cfg of {len(data)} lines; game folder empty, path typed into the path box")
    print(f"NSIS {out('makensis', '-VERSION').strip()} installer of the same tree: Target {target}, SetCompress off, "
          f"CRCCheck off; {os.path.getsize(setup)} bytes, made by makensis in {made_in:.1f} s; run as setup.exe /S "
          "/D=<empty game folder>")
    print(f"page cache: {cache} before each copy; {rounds} rounds, alternating order; medians [all runs]")
    print(f"load average before/after: {load_before} / {load_after} ({len(os.sched_getaffinity(0))} cores)")
    row = lambda label, name, note="": print("%-46s %7.3f s  [%s] %s" % (label, m(name), " ".join(seconds[name]), note))
    row("installer: Install pressed to the success line", "installer", "copy identical")
    row("NSIS installer: process start to exit", "nsis", "copy identical")
    row("cp -r on the host (floor)", "cp", "copy identical")
    row("cp -r, then sync: the floor with the copy on disk", "cp_sync")
    row("CopyFileA loop over the same pairs (reference)", "copyfile", "copy identical")
    ratio = {peer: "%.2f" % (m("installer") / m(peer)) for peer in ("nsis", "cp")}
    verdict = lambda peer, goal: "met" if float(ratio[peer]) <= goal else "MISSED"
    print(f"ratios (medians): installer / NSIS {ratio['nsis']} (goal <= 1.0: {verdict('nsis', 1.0)})   installer / "
          f"cp -r {ratio['cp']} (goal <= 1.5: {verdict('cp', 1.5)})")
    if storno["error"]:
        print(f"Storno to the restored state (goal < 1 s): FAILED in round {storno['round']}, not tried again: "
              + storno["error"])
        for name, value in (line.split("\t")[:2] for line in storno["text"].splitlines() if "\t" in line):
            if (re.fullmatch(r"press_to_(progress_window|file_shown|status|storno)_s", name) and float(value) >= 0
                    or name in ("status", "message_box", "progress_window")):
                print(f"  {name}: {value}")
    else:
        row("Storno to the restored state", "storno", f"(goal < 1 s: {'met' if m('storno') < 1 else 'MISSED'})")
        f = storno["last"]
        print(f'  pressed {m("storno_at"):.3f} s after Install (median) on "{f["storno_file"]}"; button "'
              f'{f["storno_button"]}"; undo folder then {f["undo_folder_at_storno"]}; progress window gone '
              f'{f["storno_to_progress_gone_s"]} s after Storno')
        print("  game folder after Storno, every round: " + ";".join(sorted(set(storno["states"]))))
    after = lambda name, what, never: f"{what} {float(last[name]):.2f} s after Install" if float(last[name]) >= 0 \
        else never
    print("installer, last full run:")
    print(f"  {after('press_to_first_write_s', 'first file written', 'no file written')}; "
          f"{after('press_to_progress_window_s', 'progress window shown', 'no progress window')}; "
          f"{after('press_to_notepad_s', 'Notepad with CZ_info', 'no Notepad with CZ_info')}")
    print("  window answered no message for up to %.2f s" % float(last["longest_unresponsive_s"]))
    print(f"  processor seconds per run, installer + wineserver: [{' '.join(cpu)}]")
    print(f"  memory of the installer's host process (VmHWM): idle before Install {last['idle_hwm']} kB, after the run "
          f"{last['done_hwm']} kB")
    print("  top-level windows of the installer process (phase, handle, class, shown, enabled, title):")
    lines = [line.split("\t") for line in last["text"].splitlines()]
    for fields in [fields for fields in lines if fields[0] == "window"]:
        print("    %-5s %s %-8s %-7s %-8s %s" % tuple(fields[1:7]))
    for fields in [fields for fields in lines if fields[0] in ("child", "message_box", "progress_window")]:
        print("    " + "\t".join(fields))
    if storno["error"] or set(storno["states"]) != {"empty, as before"}:
        fail("the Storno run (see above)")


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
    figure_of = {"question": "start_to_question_s", "restore": "restore_s", "cleared": "cleared_s",
                 "renames": "bare_renames_s", "cp": "cp", "cp_sync": "cp_sync"}
    runs = {name: [] for name in figure_of}
    os.environ.update(BENCH_INSTALLER_DIR=pkg + "/", BENCH_GAME_DIR=game + "/", BENCH_SYNC_DIR=sync)
    for r in range(1, int(rounds) + 1):
        for path in (game, f"{work}/cp"):
            shutil.rmtree(path, ignore_errors=True)
        subprocess.run(["cp", "-a", originals, game], check=True)
        expected = tree()
        text, reached, _ = drive(["install"], f"{work}/install{r}.txt", sync, [("idle", None), ("done", None)])
        if not reached:
            fail("the install did not run: " + text)
        if subprocess.run(["diff", "-r", "-q", f"{pkg}/data", f"{game}/data"], capture_output=True).returncode:
            fail("the install did not copy the translation")
        if not os.path.isfile(f"{game}/VELANInst.restore/restore.rec"):
            fail("the install left no restore point")
        kept = out("du", "-sb", f"{game}/VELANInst.restore").split()[0]
        text, reached, code = drive(["restore"], f"{work}/restore{r}.txt", sync, [("start", drop)])
        if not reached or code:
            fail(("the restore did not run: " if reached else "the restore driver did not start: ") + text)
        time.sleep(0.5)  # the copy outside the game folder ends after the folder is gone
        if tree() != expected or os.listdir(game) != ["data"]:
            fail("the restored game differs from its originals; it holds " + " ".join(sorted(os.listdir(game))))
        f = figures(text)
        os.mkdir(f"{work}/cp")
        drop()
        started = time.time()
        subprocess.run(["cp", "-r", "--preserve=timestamps", f"{originals}/data", f"{work}/cp/"], check=True)
        f["cp"] = "%.3f" % (time.time() - started)
        os.sync()
        f["cp_sync"] = "%.3f" % (time.time() - started)
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
    # time; percent of one core from the host's process accounting, and ticks per thread. Each player sounds into a
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

    def watch(pids, player):  # ticks of each process, bytes a second into the player's sink, its busiest threads
        sink = Path(work, f"home-{player}/out.raw")
        size = lambda: sink.stat().st_size if sink.exists() else 0
        threads = lambda pid: {t: (ticks(f"{pid}/task/{t}"), Path(f"/proc/{pid}/task/{t}/comm").read_text().strip())
                               for t in os.listdir(f"/proc/{pid}/task")}
        time.sleep(3)  # past start-up
        before, sized, busy = [ticks(p) for p in pids], size(), threads(pids[-1])
        time.sleep(seconds)
        busy = [(now - busy[t][0], t, busy[t][1]) for t, (now, _) in threads(pids[-1]).items() if t in busy]
        return [ticks(p) - b for p, b in zip(pids, before)], (size() - sized) // seconds, sorted(busy, reverse=True)

    quiet = start("quiet", "VELANInst.exe", "winealsa.drv,winepulse.drv")
    music = start("music", "VELANInst.exe", "winepulse.drv")
    (q, m), music_bytes, music_threads = watch([quiet, music], "music")
    os.kill(music, signal.SIGTERM)
    (f,), floor_bytes, floor_threads = watch([start("floor", "play_floor.exe", "winepulse.drv", "tone.wav")], "floor")
    share = lambda t: 100 * t / HZ / seconds
    reached = " (%d bytes a second reached the output)"
    print("idle installer, no music:        %5.2f %% of a core over %d s" % (share(q), seconds))
    print("idle installer, music on:        %5.2f %% of a core over %d s" % (share(m), seconds) + reached % music_bytes)
    print("bare player, same file (floor):  %5.2f %% of a core over %d s" % (share(f), seconds) + reached % floor_bytes)
    print("music on / bare player:          %5.2f" % (m / f if f > 0 else 0))
    print(f"busiest threads of the installer with music (ticks of 1/{HZ} s):")
    print("".join("%6d  thread %s %s\n" % busy for busy in music_threads[:5]), end="")
    print("busiest threads of the bare player:")
    print("".join("%6d  thread %s %s\n" % busy for busy in floor_threads[:3]), end="")


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
