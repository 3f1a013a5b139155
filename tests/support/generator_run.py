"""Runs a generator of C++ sources on a data file that a test has made."""
import os
import subprocess
import sys
import tempfile


def run_generator(generator, data, data_name):
    """Writes the bytes `data` to a file named data_name in a fresh folder, runs
    the generator on it and returns (exit status, stderr, {file name: text}
    of what it wrote)."""
    with tempfile.TemporaryDirectory() as work:
        data_path = os.path.join(work, data_name)
        with open(data_path, "wb") as out:
            out.write(data)
        output_dir = os.path.join(work, "out")
        result = subprocess.run([sys.executable, generator, data_path, output_dir],
                                capture_output=True, text=True, encoding="utf-8")
        written = {}
        if os.path.isdir(output_dir):
            for name in os.listdir(output_dir):
                with open(os.path.join(output_dir, name), encoding="utf-8") as source:
                    written[name] = source.read()
        return result.returncode, result.stderr, written
