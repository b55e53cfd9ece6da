// The installer's fixed Czech texts (compiled as Windows-1250 bytes).
#pragma once

const char kWindowTitle[] = "VELAN - Instalace češtiny";
const char kNoMoviesMessage[] =
    "Tato verze instalátoru češtiny neobsahuje přeložené filmy. "
    "Jejich překlad je přiložen v sekci \"O překladu\".";
const char kCannotFindFile[] = "Nelze nalézt soubor %s";
const char kUnsafeDestination[] = "Neplatný cíl v seznamu souborů: %s";
const char kNoGamePath[] = "Nejprve zadejte cestu s nainstalovanou hrou!";
const char kNoGameDirectory[] = "Adresář hry neexistuje!";
const char kNotEnoughSpace[] =
    "Nedostatek místa na disku. Pro instalaci je potřeba přibližně %d MB volného místa.";
const char kInstallSucceeded[] = "Instalace úspěšně dokončena";
const char kInstallFailed[] = "Instalace nebyla dokončena";
const char kCannotCopyFile[] = "Soubor %s nelze zkopírovat.";
const char kUnfinishedRunUndone[] = "Předchozí nedokončená instalace byla vrácena zpět.";
const char kUndoUnfinished[] =
    "Změny nedokončené instalace se nepodařilo vrátit zpět. Ukončete hru a spusťte instalátor znovu.";
const char kAnotherInstallerRunning[] = "Do této složky právě instaluje jiné okno instalátoru.";
const char kUndoFolderRefused[] =
    "Složku %s nelze použít k vrácení instalace, nic v ní nebylo změněno. "
    "Přesuňte ji mimo adresář hry a spusťte instalátor znovu.";
const char kCannotStartGame[] = "Nelze spustit %s";

// The restore point and the restore.
const char kAlreadyInstalled[] =
    "Čeština je v této složce již nainstalována; lze ji odebrat v seznamu nainstalovaných programů.";
const char kNoUninstallEntry[] =
    "Češtinu se nepodařilo zapsat do seznamu nainstalovaných programů; odebrat ji lze příkazem %s /restore";
const char kRestoreQuestion[] = "Odebrat češtinu a obnovit původní soubory hry?";
const char kRestoreDone[] = "Původní soubory hry byly obnoveny.";
const char kLeftAlone[] = "Tyto soubory hra nebo uživatel od instalace změnili, zůstaly tak, jak jsou:";
const char kCannotMoveFile[] = "Soubor %s nelze přesunout.";
const char kRestoreStopped[] = "Původní soubory hry nebyly obnoveny, čeština zůstala nainstalována.";
const char kRestoreNotUndone[] =
    "Změny nedokončeného odebrání češtiny se nepodařilo vrátit zpět. Ukončete hru a spusťte odebrání znovu.";
const char kNothingToRestore[] = "Ve složce %s není čeština nainstalována, není co obnovit.";
const char kUnfinishedRestoreUndone[] = "Předchozí nedokončené odebrání češtiny bylo vráceno zpět.";
const char kBrowseTitle[] = "Vyberte hlavní adresář hry";

// Neutral placeholder for the publisher's web address (a bare host name, no scheme).
const char kPublisherAddress[] = "www.example.com";
