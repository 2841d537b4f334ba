// The host's records as the host lays them out: each field's byte offset and
// width, for the 32-bit host (the real host's layout) and for our x86-64
// build, whose call record has wider pointers. The host program and the
// integration tests fill and read records as bytes at these offsets only, so a
// field the plug-in puts anywhere else shows up as a failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorhost {

struct Field {
    std::size_t offset;
    std::size_t width;  // in bytes
};

// PluginInfo, filled by Quor_GetPluginInfo; the host declares its size.
namespace plugin_info {
inline constexpr Field size{0, 4};
inline constexpr Field infoCode{4, 4};
inline constexpr Field displayName{8, 1048};  // 524 UTF-16 units
inline constexpr Field flags{1056, 4};
}  // namespace plugin_info

// MenuItemInfo, filled by Quor_GetMenuItemInfo; initProcName runs to the
// record's end, and the longest name written there ends at byte 1876.
namespace menu_item {
inline constexpr Field caption{4, 520};  // 260 UTF-16 units
inline constexpr Field hint{524, 1040};  // 520 UTF-16 units
inline constexpr Field procName{1564, 260};
inline constexpr Field itemCode{1824, 4};
inline constexpr Field itemParam{1828, 4};
inline constexpr Field unavailable{1848, 4};
inline constexpr Field flags{1856, 4};
inline constexpr Field initProcName{1860, 16};
}  // namespace menu_item

// ProcCallInfo, the record of one text command: pointers and window handles
// are 4 bytes wide in the 32-bit host and 8 in our x86-64 build.
namespace proc_call {
#ifdef _WIN64
inline constexpr Field text{8, 8};
inline constexpr Field initCode{20, 4};
inline constexpr Field initFlag{32, 4};
inline constexpr Field itemParam{36, 4};
inline constexpr Field ownerWnd{40, 8};
#else
inline constexpr Field text{4, 4};
inline constexpr Field initCode{12, 4};
inline constexpr Field initFlag{24, 4};
inline constexpr Field itemParam{28, 4};
inline constexpr Field ownerWnd{32, 4};
#endif
}  // namespace proc_call

// ModuleVersionInfo, filled by the host's version services.
namespace version_info {
inline constexpr Field size{0, 4};
inline constexpr Field major{4, 4};
inline constexpr Field minor{8, 4};
inline constexpr Field release{12, 4};
inline constexpr Field build{16, 4};
inline constexpr std::uint32_t kLength = 20;
}  // namespace version_info

// The lengths of the records our host hands out: each runs on past the last
// field the plug-in may write, as a real host's records do.
inline constexpr std::size_t kPluginInfoLength = 1124;
inline constexpr std::size_t kMenuItemLength = 2048;
inline constexpr std::size_t kProcCallLength = 64;

// A host record as bytes, read and written little-endian at a field's offset.
class Record {
public:
    bool operator==(const Record&) const = default;

    explicit Record(std::size_t length, std::byte fill = std::byte{0}) : bytes_(length, fill) {}

    void* data() { return bytes_.data(); }
    std::span<const std::byte> bytes() const { return bytes_; }

    std::uint32_t U32(Field field) const;
    std::int32_t I32(Field field) const { return static_cast<std::int32_t>(U32(field)); }
    void SetU32(Field field, std::uint32_t value);
    void SetI32(Field field, std::int32_t value) { SetU32(field, static_cast<std::uint32_t>(value)); }

    // A pointer or handle field, as wide as the build's pointers.
    std::uintptr_t Pointer(Field field) const;
    void SetPointer(Field field, const void* value);

    // A text field up to its terminator, or to its end when it has none.
    std::u16string Text16(Field field) const;
    std::string Text8(Field field) const;

    // Writes text and its terminator at the start of a text field; the rest
    // of the field keeps its bytes.
    void SetText16(Field field, std::u16string_view text);
    void SetText8(Field field, std::string_view text);

private:
    void Read(Field field, void* out, std::size_t width) const;
    void Write(Field field, const void* in, std::size_t width);
    void WriteText(Field field, const void* text, std::size_t bytes);

    std::vector<std::byte> bytes_;
};

}  // namespace quorhost
