// ntc-beta-cli: files dragged onto the program's icon in Explorer.
#pragma once

#include "cli/messages/language.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

// True when the arguments after the program's name (UTF-8, argv[0] the
// name) are one or more full paths and nothing else: what Explorer passes
// for files dropped on the program. No command or option starts so.
bool areDroppedFiles(int argc, char** argv);

// Where the results for `input` go: "<name>-B<extension>" beside it, else
// "<name>-B (2)<extension>", "(3)" and so on, the first name `taken` says
// is free. An input without an extension gives results without one.
std::filesystem::path resultPathFor(const std::filesystem::path& input,
                                    const std::function<bool(const std::filesystem::path&)>& taken);

// Runs the batch (`beta --csv`, with `--encoding gb18030` for a file in
// that encoding) on each file of `files` (UTF-8 full paths) into a new file
// beside it, named by resultPathFor and created only where
// no file of that name exists, so that nothing is ever written over. Tells
// on `err`, in `language`, which file went where, or why none was written
// (a folder, or the batch's own diagnosis), and how else to use the
// program; a results file the batch wrote nothing into is removed again.
// Returns the exit status as run() does, the worst of all files.
int runDroppedFiles(const std::vector<std::string>& files, std::ostream& err, Language language);

} // namespace cli
