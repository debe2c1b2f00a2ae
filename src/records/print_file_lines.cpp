// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/print_file_lines.h"

#include "forms/control.h"
#include "forms/cp1250.h"

#include <stdexcept>

namespace tarvel::records {

std::string utf8FromCp1250(const std::string& bytes) {
    std::u32string chars;
    chars.reserve(bytes.size());
    for (const char ch : bytes)
        chars.push_back(forms::cp1250ToUnicode(static_cast<unsigned char>(ch)));
    return forms::toU8(chars);
}

FileLines::FileLines(const std::string& path, const std::string& name)
    : in_(path, std::ios::binary), name_(name) {
    if (!in_)
        throw std::runtime_error("Datoteka " + name_ + " se ne može otvoriti.");
}

bool FileLines::next(std::string& line) {
    if (!std::getline(in_, bytes_)) {
        if (in_.bad())
            throw std::runtime_error("Datoteka " + name_ + " se ne može pročitati.");
        return false;
    }
    if (!bytes_.empty() && bytes_.back() == '\r')
        bytes_.pop_back();
    line = utf8FromCp1250(bytes_);
    return true;
}

} // namespace tarvel::records
