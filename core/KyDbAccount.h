#pragma once

// The console's fixed account on the log database ("talkbacklog").
// scripts/mariadb-start reads these two lines to create the account.
inline constexpr char KY_DB_USER[] = "kyconsole";
inline constexpr char KY_DB_PASSWORD[] = "kyLog8666";
