#include "catalogue/puzzle.h"

namespace zentrivo {

Fact same(const std::string &x, const std::string &y) { return {Fact::Kind::Same, {x, y}}; }

Fact differ(const std::string &x, const std::string &y) { return {Fact::Kind::Differ, {x, y}}; }

Fact either(const std::string &x, const std::string &y, const std::string &z) {
    return {Fact::Kind::Either, {x, y, z}};
}

Fact before(Cat order, const std::string &x, const std::string &y) {
    return {Fact::Kind::Before, {x, y}, order};
}

Fact offset(Cat order, const std::string &x, const std::string &y, int k) {
    return {Fact::Kind::Offset, {x, y}, order, k};
}

Fact nextTo(Cat order, const std::string &x, const std::string &y) {
    return {Fact::Kind::NextTo, {x, y}, order};
}

Fact pairOf(const std::string &x, const std::string &y, const std::string &z,
            const std::string &w) {
    return {Fact::Kind::PairOf, {x, y, z, w}};
}

Fact allDifferent(std::initializer_list<std::string> items) {
    return {Fact::Kind::AllDifferent, std::vector<std::string>(items)};
}

}  // namespace zentrivo
