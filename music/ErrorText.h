// The sound library's error codes as the installer's constant texts.
#pragma once

// The text for a code; codes outside the table, negative ones included, give "Unknown error".
const char* ErrorText(int code);
