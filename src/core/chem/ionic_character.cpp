#include "core/chem/ionic_character.h"

namespace numeralia::chem {

const std::array<IonicPoint, kIonicPoints>& ionicCharacterTable() {
    static constexpr std::array<IonicPoint, kIonicPoints> kTable = {{
        {0.1, 0.5}, {0.2, 1},  {0.3, 2},  {0.4, 4},  {0.5, 6},  {0.6, 9},  {0.7, 12}, {0.8, 15},
        {0.9, 19},  {1.0, 22}, {1.1, 26}, {1.2, 30}, {1.3, 34}, {1.4, 39}, {1.5, 43}, {1.6, 47},
        {1.7, 51},  {1.8, 55}, {1.9, 59}, {2.0, 63}, {2.1, 67}, {2.2, 70}, {2.3, 74}, {2.4, 76},
        {2.5, 79},  {2.6, 82}, {2.7, 84}, {2.8, 86}, {2.9, 88}, {3.0, 89}, {3.1, 91}, {3.2, 92},
    }};
    return kTable;
}

const std::array<std::string_view, 4>& ionicCharacterRows() {
    static constexpr std::array<std::string_view, 4> kRows = {
        "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.0 1.1 1.2 1.3 1.4 1.5 1.6",
        "0.5   1    2    4    6    9  12  15  19  22  26  30  34  39  43  47",
        "1.7 1.8 1.9 2.0 2.1 2.2 2.3 2.4 2.5 2.6 2.7 2.8 2.9 3.0 3.1 3.2",
        "51  55 59  63  67  70  74  76  79  82  84  86  88  89  91  92",
    };
    return kRows;
}

}  // namespace numeralia::chem
