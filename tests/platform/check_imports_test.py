"""Checks check_imports.py against an executable that imports foreign.dll, a library of the test's
own that Windows does not ship: the checker must fail and name it.

Usage: check_imports_test.py FOREIGN_IMPORTER_EXE
"""
import os
import subprocess
import sys
import unittest

CHECKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_imports.py")
IMPORTER = None  # set from the command line


class CheckImportsTest(unittest.TestCase):
    def run_checker(self, *arguments):
        return subprocess.run([sys.executable, CHECKER, *arguments], capture_output=True,
                              text=True)

    def test_a_library_windows_does_not_ship_fails_and_is_named(self):
        cases = (([IMPORTER], ["imports"]), (["--by-name", IMPORTER], ["imports", "names"]))
        for arguments, checks in cases:
            with self.subTest(arguments=arguments):
                result = self.run_checker(*arguments)
                self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
                for what in checks:
                    self.assertIn(f"{IMPORTER}: {what} foreign.dll, which Windows does not ship "
                                  "in System32", result.stdout)


if __name__ == "__main__":
    IMPORTER = sys.argv.pop(1)
    unittest.main()
