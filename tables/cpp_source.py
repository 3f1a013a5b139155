"""Helpers shared by the generators of the tables' C++ sources."""


def cpp_numbers(numbers, per_line=16):
    """The numbers as the lines of a C++ initializer list, per_line a line."""
    lines = []
    for i in range(0, len(numbers), per_line):
        lines.append("    " + ", ".join(str(n) for n in numbers[i:i + per_line]) + ",")
    return "\n".join(lines)
