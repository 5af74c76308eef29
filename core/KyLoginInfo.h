#pragma once

#include <string>

struct KyCommandLine;

// Login fields of "config.ini" section "Setting", overridden by the command
// line. One process-wide record; the user-interface thread owns it.
struct KyLoginInfo {
    std::string ServerIp;
    int ServerPort = 0;  // no default: 0 means not set
    std::string User;
    std::string Passwd;

    static KyLoginInfo& instance();
    // A copy of the process-wide record's ServerIp.
    static std::string serverIp();

    // Reads ServerIp, ServerPort, User and Passwd from the settings file.
    void load();
    // Writes ServerIp, ServerPort and User back; Passwd is left as it is.
    void save() const;
    // Takes "-serverip", "-user" and "-password" where given.
    void applyCommandLine(const KyCommandLine& line);
};
