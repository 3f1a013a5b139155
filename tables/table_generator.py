"""What the generators of the tables' C++ sources share: the error of a data
file, the run from data file to sources, and the C++ text helpers."""
import os
import sys


class DataError(Exception):
    """A fault of the data file, at a line of it (0: of the file as a whole)."""

    def __init__(self, line_number, message):
        super().__init__(f"line {line_number}: {message}" if line_number else message)


def cpp_numbers(numbers, per_line=16):
    """The numbers as the lines of a C++ initializer list, per_line a line."""
    lines = []
    for i in range(0, len(numbers), per_line):
        lines.append("    " + ", ".join(str(n) for n in numbers[i:i + per_line]) + ",")
    return "\n".join(lines)


def write_if_changed(path, content):
    """Writes the file unless it holds the content already, so that an
    unchanged table is not compiled again."""
    try:
        with open(path, encoding="utf-8") as existing:
            if existing.read() == content:
                return
    except FileNotFoundError:
        pass
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8", newline="\n") as out:
        out.write(content)
    os.replace(temporary, path)


def run(argv, usage, build):
    """The generator's command line: DATA_FILE OUTPUT_DIR. build(text) checks
    the data and returns {file name: C++ source}; nothing is written when the
    data has a fault, which is reported with the file and the line."""
    if len(argv) != 3:
        print(usage, file=sys.stderr)
        return 2
    data_path, output_dir = argv[1], argv[2]
    try:
        with open(data_path, encoding="utf-8", newline="") as data:
            text = data.read()
        outputs = build(text)
    except UnicodeDecodeError as error:
        print(f"{data_path}: not UTF-8: {error}", file=sys.stderr)
        return 1
    except DataError as error:
        print(f"{data_path}: {error}", file=sys.stderr)
        return 1
    os.makedirs(output_dir, exist_ok=True)
    for name, content in outputs.items():
        write_if_changed(os.path.join(output_dir, name), content)
    return 0
