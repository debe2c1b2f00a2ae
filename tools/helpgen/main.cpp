// SPDX-License-Identifier: GPL-3.0-or-later
// tarvel-helpgen: writes the sources of the program's compiled HTML help files, each into a
// folder with its project file for chmcmd. A build tool, not part of the program.
//
//   tarvel-helpgen OUTPUT GUIDE_SOURCES SCREENSHOT
//
// OUTPUT gets the folders tarvel/, odstupanja/, troskovi/ and upute/. GUIDE_SOURCES holds the
// user's guide written by hand (help/upute), SCREENSHOT the picture of the main window.
#include <exception>
#include <filesystem>
#include <iostream>

#include "calculator/help.h"
#include "pages.h"

namespace {

using namespace tarvel::helpgen;
namespace fs = std::filesystem;

std::string fileOf(int selector) {
    return std::string(tarvel::calculator::helpDocument(selector).html.substr(1));
}

std::string pageOf(int selector) {
    return std::string(tarvel::calculator::helpDocument(selector).page);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "Upotreba: tarvel-helpgen IZLAZ IZVORI_UPUTA SLIKA_PROZORA\n";
        return 2;
    }
    const fs::path output = argv[1];
    const fs::path sources = argv[2];
    const fs::path screenshot = argv[3];
    const fs::path style = sources / "stil.css";
    try {
        const ProgramFacts facts = programFacts();
        const std::string toGuide = link(pageOf(4), "Upute", fileOf(4));

        Book regulation(output / "tarvel",
                        {fileOf(2), "Tarvel - Pravilnik o cijenama", pageOf(2),
                         link(pageOf(2), "Sadržaj") + " · " +
                             link(tarvel::calculator::kGeneralHelpPage, "Opće odredbe") + " · " +
                             toGuide},
                        style);
        writeRegulation(regulation, facts);
        regulation.finish();

        Book deviations(output / "odstupanja",
                        {fileOf(6), "Tarvel - Odstupanja i primjedbe", pageOf(6),
                         link(pageOf(6), "Odstupanja i primjedbe") + " · " +
                             link(pageOf(2), "Pravilnik o cijenama", fileOf(2)) + " · " + toGuide},
                        style);
        writeDeviations(deviations, facts);
        deviations.finish();

        Book costs(output / "troskovi",
                   {fileOf(3), "Tarvel - Troskovi u visokogradnji", pageOf(3),
                    link(pageOf(3), "Vrste građevina") + " · " +
                        link("Proracun.htm", "Procjena vrijednosti", fileOf(4)) + " · " + toGuide},
                   style);
        writeCosts(costs, facts);
        costs.finish();

        Book guide(output / "upute", {fileOf(4), "Tarvel - Upute", pageOf(4), guideNavigation()},
                   style);
        writeGuide(guide, sources, screenshot);
        guide.finish();
    } catch (const std::exception& e) {
        std::cerr << "tarvel-helpgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
