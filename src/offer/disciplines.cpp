// SPDX-License-Identifier: GPL-3.0-or-later
#include "offer/disciplines.h"
#include "forms/message_titles.h"

namespace tarvel::offer {
namespace {

using forms::MsgIcon;
using K = DisciplineKind;

constexpr std::string_view kNeMoze = forms::titles::kCannot;
constexpr std::string_view kProvjerite = forms::titles::kCheck;

const std::array<Discipline, kRows> kDisciplines = {{
    {"Arh",
     "cmdArh",
     "&Arhitektura",
     ", ARHITEKTURA",
     "",
     {"Avisoko", ""},
     K::StrictAnyRow,
     {MsgIcon::Critical, kNeMoze, "Pod ARHITEKTURU pokušavate pohraniti neodgovarajuću uslugu"}},
    {"Kons",
     "cmdKons",
     "&Konstrukcija",
     ", KONSTRUKCIJA",
     "",
     {"Gkons", ""},
     K::StrictAnyRow,
     {MsgIcon::Critical, kNeMoze, "Pod KONSTRUKCIJU pokušavate pohraniti neodgovarajuću uslugu"}},
    {"Voda",
     "cmdVoda",
     "&Vodovod, odvod, plin",
     ", VODOVOD, ODVOD I PLIN",
     "VODOVOD, ODVOD I PLIN",
     {"Gvoda", "Sinst"},
     K::Lenient,
     {MsgIcon::Exclamation, kProvjerite,
      "Pod ODVOD, VODOVOD I PLIN pohrajujete nepoznatu uslugu. Možda treba provjeriti."}},
    {"Grijanje",
     "cmdGrijanje",
     "G&rijanje",
     ", GRIJANJE",
     "GRIJANJE",
     {"Sinst", ""},
     K::Strict,
     {MsgIcon::Critical, kNeMoze, "Pod GRIJANJE pokušavate pohraniti neodgovarajuću uslugu"}},
    {"Klima",
     "cmdKlima",
     "Obrada &zraka",
     ", OBRADA ZRAKA",
     "OBRADA ZRAKA",
     {"Sinst", ""},
     K::Strict,
     {MsgIcon::Critical, kNeMoze, "Pod OBRADU ZRAKA pokušavate pohraniti neodgovarajuću uslugu"}},
    {"Jakas",
     "cmdJakas",
     "&Jaka struja",
     ", JAKA STRUJA",
     "JAKA STRUJA",
     {"Einst", ""},
     K::Strict,
     {MsgIcon::Critical, kNeMoze, "Pod JAKU STRUJU pokušavate pohraniti neodgovarajuću uslugu"}},
    {"Kom",
     "cmdKom",
     "Ko&munikacijske inst.",
     ", KOMUNIKACIJSKE INST.",
     "KOMUNIKACIJSKE INST.",
     {"Einst", ""},
     K::Lenient,
     {MsgIcon::Exclamation, kProvjerite,
      "Pod KOMUNIKACIJE pohrajujete nepoznatu uslugu. Možda treba provjeriti."}},
    {"Trans",
     "cmdTrans",
     "&Transportni uređaji",
     ", TRANSPORTNI UREĐAJI",
     "TRANSPORTNI UREĐAJI",
     {"Sinst", ""},
     K::Lenient,
     {MsgIcon::Exclamation, kProvjerite,
      "Pod TRANSPORT (DIZALA) pohrajujete nepoznatu uslugu. Možda treba provjeriti."}},
    {"Posebna",
     "cmdPosebna",
     "Pose&bna postrojenja",
     ", POSEBNA POSTROJENJA",
     "POSEBNA POSTROJENJA",
     {"", ""},
     K::Special,
     {}},
    {"Auto",
     "cmdAuto",
     "A&utomatika zgrade",
     ", AUTOMATIKA",
     "AUTOMATIKA",
     {"Einst", ""},
     K::Lenient,
     {MsgIcon::Exclamation, kProvjerite,
      "Pod AUTOMATIKU pohrajujete nepoznatu uslugu. Možda treba provjeriti."}},
    {"Ostalo", "cmdOstalo", "O&stalo", "", "", {"", ""}, K::Accumulating, {}},
}};

} // namespace

bool Discipline::accepts(std::string_view usluga) const {
    if (codes[0].empty())
        return true;
    for (std::string_view code : codes) {
        if (!code.empty() && code == usluga)
            return true;
    }
    return false;
}

const std::array<Discipline, kRows>& disciplines() {
    return kDisciplines;
}

const Discipline& discipline(int row) {
    return kDisciplines.at(static_cast<size_t>(row));
}

bool isWholeBuildingOrNone(std::string_view usluga) {
    return usluga.empty() || usluga == "Gkons" || usluga == "Avisoko";
}

} // namespace tarvel::offer
