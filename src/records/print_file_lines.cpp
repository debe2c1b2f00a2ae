// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/print_file_lines.h"

#include "forms/cp1250.h"

#include <filesystem>
#include <stdexcept>

namespace tarvel::records {

namespace {

// A UTF-8 path as the system's file functions need it: on Windows a narrow path would be read
// in the ANSI code page and miss every folder named with č, ć, đ, š or ž.
std::filesystem::path fromUtf8(const std::string& path) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

} // namespace

FileLines::FileLines(const std::string& path, const std::string& name)
    : in_(fromUtf8(path), std::ios::binary), name_(name) {
    if (!in_)
        throw std::runtime_error("Datoteka " + name_ + " se ne može otvoriti.");
}

// A line ends at CR LF, at LF or at a lone CR, as the text editor reads the file.
bool FileLines::next(std::string& line) {
    if (pending_.empty()) {
        if (!std::getline(in_, bytes_)) {
            if (in_.bad())
                throw std::runtime_error("Datoteka " + name_ + " se ne može pročitati.");
            return false;
        }
        // A CR just before the LF is the LF's; each one before it ends a line of its own.
        if (!bytes_.empty() && bytes_.back() == '\r')
            bytes_.pop_back();
        std::size_t start = 0;
        for (std::size_t cr = bytes_.find('\r'); cr != std::string::npos;
             cr = bytes_.find('\r', start)) {
            pending_.push_back(bytes_.substr(start, cr - start));
            start = cr + 1;
        }
        pending_.push_back(bytes_.substr(start));
    }
    line = forms::decodeCp1250(pending_.front());
    pending_.pop_front();
    return true;
}

} // namespace tarvel::records
