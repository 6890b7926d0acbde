#pragma once

// What the child practises: one of the four operations, a random mix of them, or the mandatory
// tasks a teacher stored. The numbers are those of the operation buttons, left to right.
enum class Operation { Plus = 1, Minus, Times, Divide, Random, Mandatory };
