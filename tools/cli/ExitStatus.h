// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exit statuses of qv3n-cli, for scripts.
enum class ExitStatus {
    Ok = 0,
    RadioFailed = 1,   // the port could not be opened, the radio did not answer, or it failed on the way
    Usage = 2,         // the command line is wrong
    FileError = 3,     // a channel file cannot be read or written, or is malformed
    Refused = 4,       // a check before writing refused the write, the memory formats differ, or an import refused rows
    Differ = 5,        // diff: the two images differ
};
