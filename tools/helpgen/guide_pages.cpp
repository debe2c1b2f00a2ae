// SPDX-License-Identifier: GPL-3.0-or-later
// Upute.chm: the pages written by hand, and the pages of the menus, the toolbar and the keyboard
// written from the program's menus and toolbar and from the lists beside the pages.
#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "calculator/catalogue.h"
#include "forms/control.h"
#include "pages.h"

namespace tarvel::helpgen {
namespace {

namespace fs = std::filesystem;

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

// A list beside the pages: one row a line, its fields separated by "|"; blank lines and
// lines beginning with "#" are skipped.
std::vector<std::vector<std::string>> readList(const fs::path& path, size_t fields) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(readFile(path));
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::string text = trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        std::vector<std::string> row;
        size_t start = 0;
        for (size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', start)) {
            row.push_back(trimmed(std::string_view(text).substr(start, bar - start)));
            start = bar + 1;
        }
        row.push_back(trimmed(std::string_view(text).substr(start)));
        if (row.size() != fields)
            throw std::runtime_error(utf8Text(path) + ":" + std::to_string(number) +
                                     ": očekivano " + std::to_string(fields) +
                                     " polja odvojenih znakom |");
        rows.push_back(row);
    }
    return rows;
}

// The letter after "&" in a caption, as the key that opens it with Alt.
std::string accessKey(std::string_view caption) {
    const size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size())
        return {};
    std::string key(caption.substr(amp + 1, 1));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return "Alt+" + key;
}

const std::string kNavigation =
    link("Sadrzaj.htm", "Sadržaj") + " · " + link("Izbornici.htm", "Izbornici") + " · " +
    link("Traka.htm", "Traka alata") + " · " + link("Tipkovnica.htm", "Tipkovnica");

void menusPage(Book& book) {
    std::string html = "<p>Izbornici glavnog prozora, redom kojim stoje na traci izbornika. "
                       "Usluga se odabire u izborniku svoje struke; veza vodi na stranicu "
                       "Pravilnika o cijenama koja opisuje kako program računa njezinu "
                       "cijenu.</p>\n";
    std::vector<std::vector<std::string>> rows;
    const auto flush = [&] {
        if (!rows.empty())
            html += table({"Stavka", "Tipka", "Što radi"}, rows);
        rows.clear();
    };
    for (const calculator::MenuDefinition& m : calculator::menuBar()) {
        if (m.caption == "-")
            continue;
        if (m.parent.empty()) {
            flush();
            const std::string key = accessKey(m.caption);
            html += "<h2>" + escaped(forms::withoutAccelerator(m.caption)) + "</h2>\n" +
                    (key.empty() ? std::string() : "<p>Otvara se i tipkama " + key + ".</p>\n");
            continue;
        }
        std::string what;
        if (const calculator::CatalogueEntry* entry = calculator::findEntry(m.name))
            what = link(entry->helpPage, entry->title, "Tarvel.chm");
        else if (hasItems(m.name))
            what = "podizbornik";
        else if (m.parent == "mnuP")
            what = link("Pomoc.htm", "v. Pomoć");
        else
            what = "zatvara program";
        const std::string caption = menuPath(m.name);
        rows.push_back({escaped(caption.substr(caption.find("› ") + std::string("› ").size())),
                        escaped(m.shortcut), what});
    }
    flush();
    book.page("Izbornici.htm", "Izbornici", html);
}

void toolbarPage(Book& book, const fs::path& sources) {
    std::map<std::string, std::string> described;
    for (const auto& row : readList(sources / "traka.txt", 2))
        described[row[0]] = row[1];

    MainWindow program;
    std::vector<std::vector<std::string>> rows;
    int number = 0;
    for (const forms::ToolbarButton& button : program.window().tlb1->buttons()) {
        if (button.kind != forms::ToolbarItemKind::Button)
            continue;
        const auto it = described.find(button.key);
        if (it == described.end())
            std::cerr << "help/upute/traka.txt: nema opisa naredbe " << button.key << "\n";
        rows.push_back({std::to_string(++number), "<b>" + escaped(button.toolTip) + "</b>",
                        it == described.end() ? std::string("—") : it->second});
    }
    const std::string html =
        "<p>Traka alata glavnog prozora nosi sve naredbe osim odabira usluge. Slike su "
        "poredane slijeva nadesno; natpis se pokaže kad miš zastane nad slikom. Naredba koja "
        "u nekom trenutku nema smisla je siva i ne reagira.</p>\n<p><img "
        "src=\"slike/glavni-prozor.png\" width=\"640\" height=\"307\" alt=\"Glavni prozor s "
        "trakom alata\"></p>\n" +
        table({"Redom", "Natpis", "Što radi"}, rows) +
        "<p>Izgled trake (ravne ili izbočene slike) mijenja stavka „IE5 traka alata“ izbornika "
        "„Pomoć“.</p>\n";
    book.page("Traka.htm", "Traka alata", html);
}

void keyboardPage(Book& book, const fs::path& sources) {
    std::string html = "<p>Tipke koje program poznaje. Slovo podcrtano u natpisu izbornika ili "
                       "gumba s tipkom Alt izvodi tu stavku.</p>\n";
    std::vector<std::vector<std::string>> menus;
    for (const calculator::MenuDefinition& m : calculator::menuBar()) {
        if (m.parent.empty() && !accessKey(m.caption).empty())
            menus.push_back(
                {accessKey(m.caption),
                 "otvara izbornik „" + escaped(forms::withoutAccelerator(m.caption)) + "“"});
    }
    html += "<h2>Izbornici glavnog prozora</h2>\n" + table({"Tipka", "Što radi"}, menus);

    // The list keeps its windows in the order of their first row.
    std::vector<std::string> windows;
    std::map<std::string, std::vector<std::vector<std::string>>> keys;
    for (const auto& row : readList(sources / "tipkovnica.txt", 3)) {
        if (!keys.count(row[0]))
            windows.push_back(row[0]);
        keys[row[0]].push_back({escaped(row[1]), row[2]});
    }
    for (const std::string& window : windows)
        html += "<h2>" + escaped(window) + "</h2>\n" + table({"Tipka", "Što radi"}, keys[window]);
    book.page("Tipkovnica.htm", "Tipkovnica", html);
}

} // namespace

void writeGuide(Book& book, const fs::path& sources, const fs::path& screenshot) {
    // The pages and pictures written by hand, in a fixed order; the lists become pages below.
    std::vector<std::string> files;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(sources)) {
        const fs::path relative = fs::relative(file.path(), sources);
        if (!file.is_regular_file() || relative.extension() == ".txt" || relative == "stil.css")
            continue;
        const std::u8string name = relative.generic_u8string();
        files.emplace_back(name.begin(), name.end());
    }
    std::sort(files.begin(), files.end());
    for (const std::string& name : files)
        book.copy(sources / utf8Path(name), name);
    book.copy(screenshot, "slike/glavni-prozor.png");
    menusPage(book);
    toolbarPage(book, sources);
    keyboardPage(book, sources);
}

std::string guideNavigation() {
    return kNavigation;
}

} // namespace tarvel::helpgen
