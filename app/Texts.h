// The installer's fixed Czech texts (compiled as Windows-1250 bytes).
#pragma once

const char kWindowTitle[] = "VELAN - Instalace češtiny";
const char kNoMoviesMessage[] =
    "Tato verze instalátoru češtiny neobsahuje přeložené filmy. "
    "Jejich překlad je přiložen v sekci \"O překladu\".";
const char kCannotFindFile[] = "Nelze nalézt soubor %s";
const char kBrowseTitle[] = "Vyberte hlavní adresář hry";

// Neutral placeholder for the publisher's web address (a bare host name, no scheme).
const char kPublisherAddress[] = "www.example.com";
