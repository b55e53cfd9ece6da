// The existence test: a directory search that matches files and folders, wildcards allowed.
#pragma once

#include "String.h"

bool FileExists(const CString& pattern);
