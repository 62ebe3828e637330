// The element service asks not to fetch the same elements more than once in two
// hours. A file counts as such a fresh copy only when the same request wrote it: a
// hidden record beside it, ".NAME.anfrage", holds the size and time of the file as
// written and the addresses it came from (base address, group or catalogue numbers,
// format). A file without a matching record (from another request, written by hand or
// by another program, or changed since) is of unknown origin and is fetched anew.
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr int kElementRefetchMinutes = 120;

// ".NAME.anfrage" in the folder of elementFile.
std::string RequestRecordPath(const std::string& elementFile);

// Minutes since the request of the addresses `urls` wrote the file, when that is less
// than two hours ago and the file has not changed since; nullopt otherwise.
std::optional<int> FreshCopyMinutes(const std::string& elementFile,
                                    const std::vector<std::string>& urls);

// Before the file is replaced: its record no longer holds.
void ForgetRequest(const std::string& elementFile);
// After the file was written from the addresses `urls`; a record that cannot be
// written leaves the file of unknown origin.
void RecordRequest(const std::string& elementFile, const std::vector<std::string>& urls);
