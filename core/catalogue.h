#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace ormitan {

inline constexpr int GiftCount = 25;
inline constexpr int StatementCount = 125;

// The 25 gift names in catalogue order; this order is the order of the scores, of a results
// file's bytes, of the chart's bars and of the definitions. GiftNames[g - 1] is gift g.
extern const std::array<std::string_view, GiftCount> GiftNames;

// The 125 statements; Statements[k - 1] is statement k.
extern const std::array<std::string_view, StatementCount> Statements;

// Gift g (1..25) and statement k (1..125), counted from 1 as the questionnaire counts them.
std::string_view GiftName(int gift);
std::string_view Statement(int number);

// The four answers, in the order of the answer buttons, and the points each adds.
enum class Answer : std::uint8_t { VeryTrue = 1, True = 2, SomewhatTrue = 3, NotTrue = 4 };
inline constexpr std::array<int, 4> AnswerPoints = {3, 2, 1, 0};

constexpr int PointsOf(Answer answer) {
    return AnswerPoints[static_cast<int>(answer) - 1];
}

}  // namespace ormitan
