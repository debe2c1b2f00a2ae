// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "forms/utf8_path.h"

// A compiled HTML help file in the making: the folder its pages are written to in UTF-8, and
// its project file for `chmcmd`, which lists every page and picture.
namespace tarvel::helpgen {

// Text for a page: "<", ">", "&" and quotes escaped.
std::string escaped(std::string_view text);
// A page's name as a link target: blanks written "%20".
std::string href(std::string_view page);
// A link to a page of this book, or of another help file beside it ("Odstupanja.chm").
std::string link(std::string_view page, std::string_view text, std::string_view helpFile = {});

struct BookInfo {
    std::string file;       // "Tarvel.chm"
    std::string title;      // of the help file, without Croatian letters: "Tarvel - Upute"
    std::string startPage;  // "Sadrzaj.htm"
    std::string navigation; // the links at the top of every page, HTML
};

class Book {
public:
    // The pages go to `folder`, which is emptied first; `styleSheet` is copied beside them.
    Book(std::filesystem::path folder, BookInfo info, const std::filesystem::path& styleSheet);

    // Writes a page: `body` under the book's navigation and a heading of `title`.
    void page(const std::string& name, const std::string& title, const std::string& body);
    // Copies a file (a page written by hand, a picture) into the book under `name`.
    void copy(const std::filesystem::path& from, const std::string& name);
    // Writes the project file `<name>.hhp`.
    void finish() const;

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    BookInfo info_;
    std::vector<std::string> files_;
};

// Paths from and to their UTF-8 text, whatever the system's own code.
using forms::utf8Path;
using forms::utf8Text;
// Writes a text file whole.
void writeFile(const std::filesystem::path& path, std::string_view text);
std::string readFile(const std::filesystem::path& path);

} // namespace tarvel::helpgen
