#pragma once
// Batch extraction: every entry of the opened file saved as "Save selected
// data" saves it, and every image entry whose record decodes also saved as
// "Save image as *.tga" saves it, one folder per type record.

#include "app/run_state.h"
#include "app/stored_window.h"

#include <cstdint>
#include <functional>
#include <string>

namespace brindle {

struct ExtractReport {
    int64_t written = 0;
    int64_t errors = 0; // failures reported; a folder that fails counts once
};

struct ExtractListener {
    std::function<void(const std::string& path)> written;
    // The message as an error box would show it, before its full stop.
    std::function<void(const std::string& message)> failed;
};

// Writes into dir (made when missing; files already there are replaced):
// dir/<type folder>/<EntryFileName of the label> for each entry and, beside
// it, <TgaDefaultName of the label> for each image entry whose record
// decodes. Names are converted to UTF-8 and made safe and unique. A file or
// folder that cannot be made is reported and skipped; the rest go on.
// Decoding pictures leaves the last one in the window.
ExtractReport ExtractAll(RunState& state, StoredWindow& window, const std::string& dir,
                         const ExtractListener& listener);

} // namespace brindle
