// SPDX-License-Identifier: GPL-3.0-or-later
#include "book.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace tarvel::helpgen {

namespace fs = std::filesystem;

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string href(std::string_view page) {
    std::string out;
    for (const char c : page) {
        if (c == ' ')
            out += "%20";
        else
            out += c;
    }
    return out;
}

std::string link(std::string_view page, std::string_view text, std::string_view helpFile) {
    const std::string target =
        helpFile.empty() ? href(page) : "ms-its:" + std::string(helpFile) + "::/" + href(page);
    return "<a href=\"" + target + "\">" + escaped(text) + "</a>";
}

void writeFile(const fs::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        throw std::runtime_error("ne mogu pisati " + utf8Text(path));
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("ne mogu čitati " + utf8Text(path));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Book::Book(fs::path folder, BookInfo info, const fs::path& styleSheet)
    : folder_(std::move(folder)), info_(std::move(info)) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    copy(styleSheet, "stil.css");
}

void Book::page(const std::string& name, const std::string& title, const std::string& body) {
    std::string text = "<!DOCTYPE html>\n<html lang=\"hr\">\n<head>\n"
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                       "<title>" +
                       escaped(title) +
                       "</title>\n"
                       "<link rel=\"stylesheet\" type=\"text/css\" href=\"stil.css\">\n"
                       "</head>\n<body>\n<p class=\"put\">" +
                       info_.navigation + "</p>\n<h1>" + escaped(title) + "</h1>\n" + body +
                       "</body>\n</html>\n";
    writeFile(folder_ / utf8Path(name), text);
    files_.push_back(name);
}

void Book::copy(const fs::path& from, const std::string& name) {
    const fs::path to = folder_ / utf8Path(name);
    fs::create_directories(to.parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    files_.push_back(name);
}

void Book::finish() const {
    const std::string base = info_.file.substr(0, info_.file.rfind('.'));
    std::string project = "[OPTIONS]\n"
                          "Compatibility=1.1 or later\n"
                          "Compiled file=" +
                          info_.file +
                          "\n"
                          "Default topic=" +
                          info_.startPage +
                          "\n"
                          "Default Window=Glavni\n"
                          "Display compile progress=No\n"
                          "Language=0x41a Croatian\n"
                          "Title=" +
                          info_.title + "\n\n[WINDOWS]\nGlavni=\"" + info_.title + "\",,,\"" +
                          info_.startPage + "\",\"" + info_.startPage +
                          "\",,,,,0x2520,,0x3006,,,,,,,,0\n\n[FILES]\n";
    for (const std::string& file : files_)
        project += file + "\n";
    writeFile(folder_ / (base + ".hhp"), project);
}

} // namespace tarvel::helpgen
