#pragma once

#include "Texts.h"
#include "board/Rods.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace ordel {

enum class Operation { Adição, Subtração, Multiplicação, Divisão };

// No result may exceed this: it is the most the rods can hold
// (20 thousands, 9 hundreds, 9 tens, 9 units).
inline constexpr int kLargestResult = 20999;

// Put in Total by the operations that always draw a fresh pair: it lies above
// the largest result, so the redraw loop runs at least once.
inline constexpr int kDrawSentinel = 29999;

struct OperationInfo {
    std::string_view sign;
    // Whether the exercise starts from a fresh pair. Otherwise it uses the pair
    // held now and redraws only while the result is too large.
    bool drawsFirst;
    bool largerFirst; // swap the operands so that Valor1 is the larger
    int (*compute)(int, int);
};

// A product of two operands of up to 20999 is at most 440958001: int holds it.
inline constexpr std::size_t kOperationCount = 4;

inline constexpr auto kOperations = oneRowEach<OperationInfo, kOperationCount>({
    {texts::kPlus, false, false,
     [](int a, int b) {
         return a + b;
     }},
    {texts::kMinus, true, true,
     [](int a, int b) {
         return a - b;
     }},
    {texts::kTimes, false, false,
     [](int a, int b) {
         return a * b;
     }},
    {texts::kDividedBy, true, true,
     [](int a, int b) {
         return a / b;
     }},
});

inline constexpr auto kAllOperations = oneRowEach<Operation, kOperationCount>(
    {Operation::Adição, Operation::Subtração, Operation::Multiplicação, Operation::Divisão});

constexpr const OperationInfo& info(Operation op) {
    return kOperations[static_cast<std::size_t>(op)];
}

} // namespace ordel
