// The existence test: true for files and folders alike, wildcards allowed; answers as a directory
// search would.
#pragma once

#include "framework/String.h"

bool FileExists(const CString& pattern);
