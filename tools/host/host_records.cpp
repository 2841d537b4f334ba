// Field access of host records held as bytes.
#include "host_records.h"

#include <cstring>
#include <stdexcept>

namespace quorhost {

void Record::Read(Field field, void* out, std::size_t width) const {
    if (field.width != width || field.offset + width > bytes_.size())
        throw std::logic_error("a field read outside its record or at another width");
    std::memcpy(out, bytes_.data() + field.offset, width);
}

void Record::Write(Field field, const void* in, std::size_t width) {
    if (field.width != width || field.offset + width > bytes_.size())
        throw std::logic_error("a field written outside its record or at another width");
    std::memcpy(bytes_.data() + field.offset, in, width);
}

std::uint32_t Record::U32(Field field) const {
    std::uint32_t value = 0;
    Read(field, &value, sizeof(value));
    return value;
}

void Record::SetU32(Field field, std::uint32_t value) { Write(field, &value, sizeof(value)); }

std::uintptr_t Record::Pointer(Field field) const {
    std::uintptr_t value = 0;
    Read(field, &value, sizeof(value));
    return value;
}

void Record::SetPointer(Field field, const void* value) {
    const auto address = reinterpret_cast<std::uintptr_t>(value);
    Write(field, &address, sizeof(address));
}

std::u16string Record::Text16(Field field) const {
    std::u16string text(field.width / sizeof(char16_t), u'\0');
    Read(field, text.data(), field.width);
    return text.substr(0, text.find(u'\0'));
}

std::string Record::Text8(Field field) const {
    std::string text(field.width, '\0');
    Read(field, text.data(), field.width);
    return text.substr(0, text.find('\0'));
}

void Record::WriteText(Field field, const void* text, std::size_t bytes) {
    if (bytes > field.width || field.offset + field.width > bytes_.size())
        throw std::logic_error("a text longer than its field");
    std::memcpy(bytes_.data() + field.offset, text, bytes);
}

void Record::SetText16(Field field, std::u16string_view text) {
    const std::u16string terminated(text);
    WriteText(field, terminated.c_str(), (terminated.size() + 1) * sizeof(char16_t));
}

void Record::SetText8(Field field, std::string_view text) {
    const std::string terminated(text);
    WriteText(field, terminated.c_str(), terminated.size() + 1);
}

}  // namespace quorhost
