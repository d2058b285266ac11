#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle01();
PuzzleContent puzzle02();
PuzzleContent puzzle03();
PuzzleContent puzzle04();
PuzzleContent puzzle05();
PuzzleContent puzzle06();
PuzzleContent puzzle07();
PuzzleContent puzzle08();
PuzzleContent puzzle09();
PuzzleContent puzzle10();
PuzzleContent puzzle11();
PuzzleContent puzzle12();
PuzzleContent puzzle13();
PuzzleContent puzzle14();
PuzzleContent puzzle15();
PuzzleContent puzzle16();
PuzzleContent puzzle17();
PuzzleContent puzzle18();
PuzzleContent puzzle19();
PuzzleContent puzzle20();
PuzzleContent puzzle21();
PuzzleContent puzzle22();
PuzzleContent puzzle23();
PuzzleContent puzzle24();
PuzzleContent puzzle25();

PuzzleContent puzzleContent(int number) {
    switch (number) {
        case 1: return puzzle01();
        case 2: return puzzle02();
        case 3: return puzzle03();
        case 4: return puzzle04();
        case 5: return puzzle05();
        case 6: return puzzle06();
        case 7: return puzzle07();
        case 8: return puzzle08();
        case 9: return puzzle09();
        case 10: return puzzle10();
        case 11: return puzzle11();
        case 12: return puzzle12();
        case 13: return puzzle13();
        case 14: return puzzle14();
        case 15: return puzzle15();
        case 16: return puzzle16();
        case 17: return puzzle17();
        case 18: return puzzle18();
        case 19: return puzzle19();
        case 20: return puzzle20();
        case 21: return puzzle21();
        case 22: return puzzle22();
        case 23: return puzzle23();
        case 24: return puzzle24();
        case 25: return puzzle25();
        default: return {};
    }
}

}  // namespace zentrivo
