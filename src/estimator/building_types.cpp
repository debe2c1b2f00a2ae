// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimator/building_types.h"

namespace tarvel::estimator {

const std::array<BuildingType, kBuildingTypeCount>& buildingTypes() {
    static const std::array<BuildingType, kBuildingTypeCount> types{{
        {"Poslovne zgrade",
         {3.8, 6.4, 22.1, 14.7, 16.7, 9.8, 1.4, 3.4},
         {4.6, 5.5, 3, 4.5, 1.6, 1.8, 0.7, 0, 0},
         "78,4 %",
         "21,6 %",
         {1920, 2130, 2340},
         {4493, 4984, 5476}},
        {"Bolnice",
         {2.6, 5.9, 13.8, 14.7, 7.7, 11.8, 6.2, 1.7},
         {6.4, 6.9, 3.2, 11.9, 2.4, 0.7, 4.2, 0, 0},
         "64,3",
         "35,7",
         {2450, 3330, 4200},
         {5733, 7792, 9828}},
        {"Osnovne škole",
         {1.4, 10.1, 24.2, 12.4, 11.2, 13.7, 3.3, 4.4},
         {4, 5.7, 0.8, 7.4, 0.9, 0.1, 0.2, 0, 0.1},
         "80,9",
         "19,1",
         {1740, 2100, 2460},
         {4072, 4914, 5756}},
        {"Srednje škole",
         {2.2, 6.5, 15.1, 19.1, 13, 13.9, 5.2, 3.5},
         {3.6, 5.2, 4.4, 5.1, 1.4, 0.4, 1.2, 0, 0},
         "78,8",
         "21,2",
         {1880, 2420, 2990},
         {4352, 5663, 6997}},
        {"Vrtići",
         {1.8, 13.3, 22.8, 14.3, 8.2, 17.7, 2.7, 2.8},
         {4.9, 5.3, 0.3, 4.7, 0.3, 0.1, 0.9, 0, 0},
         "83,4",
         "16,6",
         {1650, 2090, 2520},
         {3861, 4891, 5897}},
        {"Sportske dvorane",
         {3, 11.8, 17.4, 11.5, 6, 21.2, 4.5, 2.6},
         {5.4, 6.3, 4.7, 4.1, 0.9, 0.2, 0.5, 0.1, 0.1},
         "77,9",
         "22,1",
         {2060, 2460, 2860},
         {4820, 5756, 6692}},
        {"Obiteljske kuće",
         {2.5, 6.5, 29.1, 15, 17, 12.6, 0.3, 2.1},
         {5.9, 6.3, 0, 2.2, 0.4, 0, 0, 0, 0},
         "85,1",
         "14,9",
         {990, 1170, 1340},
         {2317, 2738, 3136}},
        {"Stambeni nizovi",
         {0.9, 6.2, 26, 17.3, 11.3, 13.4, 0.1, 6.5},
         {5.3, 9.2, 0.3, 2.9, 0.5, 0, 0, 0, 0},
         "81,7",
         "18,3",
         {1600, 1640, 1690},
         {3744, 3838, 3955}},
        {"Višestambene zgrade",
         {2.6, 5.1, 25.2, 18.5, 18.7, 8.7, 0.7, 3.5},
         {6.7, 5.9, 0.5, 2.8, 0.6, 0.4, 0.1, 0, 0},
         "83,0",
         "17,0",
         {1180, 1340, 1490},
         {2761, 3136, 3487}},
        {"Hoteli",
         {2.2, 4.4, 12.2, 16.6, 15.6, 5.1, 9.5, 2.5},
         {8.1, 5.9, 4.9, 5.3, 0.9, 2.7, 3.9, 0, 0.1},
         "68,2",
         "31,9",
         {1970, 2480, 2990},
         {4610, 5803, 6997}},
        {"Industrijski objekti",
         {2.4, 13.1, 19.4, 8.6, 11.2, 18.6, 0.5, 1.3},
         {3.5, 4.6, 4.2, 7.9, 0.2, 4.2, 0.2, 0, 0},
         "75,2",
         "24,8",
         {1170, 1750, 2340},
         {2738, 4095, 5476}},
    }};
    return types;
}

const std::array<std::string_view, kConstructionGroups>& constructionCaptions() {
    static constexpr std::array<std::string_view, kConstructionGroups> captions{
        "310  Građevna jama",        "320  Temeljenje",         "330  Vanjski zidovi",
        "340  Unutarnji zidovi",     "350  Stropovi",           "360  Krovovi",
        "370  Građevinske ugradnje", "390  Ostale konstrukcije"};
    return captions;
}

const std::array<std::string_view, kInstallationGroups>& installationCaptions() {
    static constexpr std::array<std::string_view, kInstallationGroups> captions{
        "410  Vodovod, odvod., plin", "420  Grijanje",
        "430  Obrada zraka",          "440  Jaka struja",
        "450  Komunikacijske inst.",  "460  Transportni uređaji",
        "470  Posebna postrojenja",   "480  Automatika zgrade",
        "490  Ostale instalacije"};
    return captions;
}

} // namespace tarvel::estimator
