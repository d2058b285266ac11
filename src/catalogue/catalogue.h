// The catalogue of the 25 built-in puzzles: fixed titles and headings, the
// answer keys, and the authored content (story, clues, row headings).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/puzzle.h"

namespace zentrivo {

// The key triple of one item of category A: the item numbers (1-5) of B, C
// and D that belong with it.
struct KeyTriple {
    int b, c, d;
};

struct PuzzleRecord {
    int number = 0;
    std::string title;                    // "Conferences"
    std::string menuTitle;                // "#1 - Conferences"
    int menuCaptionLength = 0;            // the menu caption's length, trailing blanks included
    std::string boardCaption;             // "Zentrivo 2.0 - #1 - Conferences"
    std::string introButton;              // "Problem #1 &Intro"
    std::string introCaption;             // "Intro to Logic Problem #1 - Conferences"
    std::string fillInTitle;              // "Logic Problem #1 - Conferences"
    std::array<std::string, 4> headings;  // in the order B, A, D, C
    int clueCount = 0;
    int lineCount = 0;
    int cluesSeparator = 1;        // empty lines between clues
    std::array<KeyTriple, 5> key;  // for the items of A, columns 01-05
    std::string headingPicture;    // "QRX-Images/Puz01.gif"
    PuzzleContent content;         // number 0 while not authored

    bool authored() const { return content.number == number; }
    // The clue text as shown on the board, lines joined by CR LF.
    std::string clueText() const;
    // The menu button's caption: the title padded with blanks to its stored length.
    std::string menuCaption() const;
    // The heading picture's file name within the pictures folder: "Puz01.gif".
    std::string headingPictureFile() const;
};

// The record of puzzle n, or nothing outside 1..25. The first call builds
// every record, the puzzles' stories and clues included.
const PuzzleRecord *findPuzzle(int n);

// Puzzle n's menu caption (see PuzzleRecord::menuCaption) without building
// the records: all the menu shows of the catalogue. Empty outside 1..25.
std::string menuCaption(int n);

constexpr int kPuzzleCount = 25;

}  // namespace zentrivo
