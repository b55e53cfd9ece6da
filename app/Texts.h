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
const char kBrowseTitle[] = "Vyberte hlavní adresář hry";

// Neutral placeholder for the publisher's web address (a bare host name, no scheme).
const char kPublisherAddress[] = "www.example.com";
