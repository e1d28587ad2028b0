#include "export/extract_all.h"

#include "app/handler_guard.h"
#include "app/text_encoding.h"
#include "export/file_names.h"
#include "export/path_names.h"
#include "export/save_data.h"
#include "export/tga_writer.h"
#include "export/write_file.h"
#include "inspect/render_image.h"
#include "xom/byte_reader.h"
#include "xom/layout.h"

#include <filesystem>
#include <system_error>

namespace brindle {
namespace {

namespace fs = std::filesystem;

class Extraction {
public:
    Extraction(RunState& state, StoredWindow& window, const ExtractListener& listener)
        : state_(state), window_(window), listener_(listener) {}

    ExtractReport Run(const fs::path& dir) {
        if (!MakeFolder(dir))
            return report_;
        ByteReader file(state_.FileBytes());
        const TreeStore& tree = window_.Tree();
        UniqueNames folders;
        for (int32_t type = 0; type < tree.TopCount(); ++type) {
            std::string_view typeName = ReadTypeRecord(file, static_cast<uint32_t>(type)).name;
            fs::path folder = dir / folders.Claim(SafeComponent(Cp1252ToUtf8(typeName)));
            if (MakeFolder(folder))
                ExtractType(type, folder);
        }
        return report_;
    }

private:
    void ExtractType(int32_t type, const fs::path& folder) {
        const TreeStore& tree = window_.Tree();
        UniqueNames files;
        for (int32_t child = 0; child < tree.ChildCount(type); ++child) {
            NodeRef node{type, child};
            const EntrySlot* slot = SlotOfNode(state_, tree.AbsoluteIndex(node));
            if (!slot)
                continue;
            const std::string_view label = tree.Text(node);

            std::string binName = SafeComponent(Cp1252ToUtf8(EntryFileName(label, child)));
            // Keep the "_(n).bin" ending whole, whatever a long name loses.
            size_t index = binName.rfind("_(");
            size_t tail = index == std::string::npos ? 0 : binName.size() - index;
            std::string binPath = (folder / files.Claim(binName, tail)).string();
            Write(binPath, [&] { WriteWholeFile(binPath, EntryDataBytes(state_, *slot)); });

            if (slot->isImage != 0 && RenderImage(state_, window_, slot->dataPosition, false)) {
                std::string tgaName = SafeComponent(Cp1252ToUtf8(TgaDefaultName(label)));
                std::string tgaPath = (folder / files.Claim(tgaName, 4)).string();
                Write(tgaPath, [&] { WriteWholeFile(tgaPath, EncodeTga(window_)); });
            }
        }
    }

    template <typename Writer> void Write(const std::string& path, Writer&& writer) {
        if (RunGuarded(writer, [&](const std::string& message) { Fail(message); })) {
            ++report_.written;
            if (listener_.written)
                listener_.written(path);
        }
    }

    bool MakeFolder(const fs::path& folder) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (!error && fs::is_directory(folder, error))
            return true;
        Fail("Cannot create folder " + folder.string());
        return false;
    }

    void Fail(const std::string& message) {
        ++report_.errors;
        if (listener_.failed)
            listener_.failed(message);
    }

    RunState& state_;
    StoredWindow& window_;
    const ExtractListener& listener_;
    ExtractReport report_;
};

} // namespace

ExtractReport ExtractAll(RunState& state, StoredWindow& window, const std::string& dir,
                         const ExtractListener& listener) {
    return Extraction(state, window, listener).Run(fs::path(dir));
}

} // namespace brindle
