#pragma once

#include <string>

enum { KY_TERMINAL_TYPE_COUNT = 32 };

// Index of a terminal-type name in the 32-entry table ("01" 0, "PR" 1, "IP" 2,
// ..., "IPD-S" 18, "IPD" 19, ..., "CL" 30, "--" 31); 31 for a name not in the
// table, 32 for an empty one. Case-sensitive.
int terminalTypeIndex(const std::string& name);

// Type text of a terminal-type code: 2 "Mic02", 3 "Mic11", 4 "Mic04", 6 "IP",
// 8 "M12"; any other code gives an empty text.
std::string terminalTypeName(int code);
