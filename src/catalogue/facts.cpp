#include "catalogue/puzzle.h"

#include <utility>

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

Fact eitherOrBoth(const std::string &x, const std::string &y, const std::string &z) {
    return {Fact::Kind::EitherOrBoth, {x, y, z}};
}

Fact atLeastLater(Cat order, const std::string &x, const std::string &y, int k) {
    return {Fact::Kind::AtLeastLater, {x, y}, order, k};
}

Fact atLeastApart(Cat order, const std::string &x, const std::string &y, int k) {
    return {Fact::Kind::AtLeastApart, {x, y}, order, k};
}

Fact eitherButNotBoth(const std::string &x, const std::string &y, const std::string &z) {
    Fact f = either(x, y, z);
    f.butNotBoth = true;
    return f;
}

Misreading misreading(std::string reading, std::vector<Fact> facts) {
    return {std::move(reading), std::move(facts), {}};
}

Misreading ruledOut(std::string reading, std::vector<Fact> facts, std::string by) {
    return {std::move(reading), std::move(facts), std::move(by)};
}

}  // namespace zentrivo
