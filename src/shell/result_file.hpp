#pragma once

#include <string>

/// Writes `content` as the whole of the file `name`; true once every byte is
/// on disk. A symbolic link stays a link and the file its chain ends at gets
/// the bytes (a missing one is created, under the umask). An existing regular
/// file with one name is replaced only when the new bytes are complete, and
/// keeps its owner and permission bits; one with several names is rewritten
/// in place so that every name sees the new bytes. A FIFO is written only
/// when a reader is waiting. Anything else (a device, socket or folder, a
/// link loop, a missing folder) is left as it was and gives false at once;
/// no failure leaves a stray file behind.
bool writeResultFile(const std::string& name, const std::string& content);
