# tools/run.sh builds only the program, saying about how long it takes, and turns the web
# engine's sandbox off for root, who cannot have it, and for no one else. The script runs from a
# copy of the tools folder whose set-up does nothing, with a cmake that only says what it was
# asked to build and a program that only says whether the sandbox was off.
import os
import shutil
import subprocess
import tempfile
import unittest

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
FILES = {"tools/setup.sh": "true\n",
         "stand-ins/cmake": '#!/bin/sh\necho "cmake $*"\n',
         "build/bin/gavrin": '#!/bin/sh\necho "program: sandbox off=${QTWEBENGINE_DISABLE_SANDBOX:-no}"\n'}


class RunScript(unittest.TestCase):
    def run_script(self, *user):
        root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, root)
        os.chmod(root, 0o755)
        for name, text in FILES.items():
            os.makedirs(os.path.dirname(os.path.join(root, name)), mode=0o755, exist_ok=True)
            with open(os.path.join(root, name), "w") as file:
                file.write(text)
            os.chmod(os.path.join(root, name), 0o755)
        shutil.copy(os.path.join(TOOLS, "run.sh"), os.path.join(root, "tools"))
        env = {k: v for k, v in os.environ.items() if k != "QTWEBENGINE_DISABLE_SANDBOX"}
        env["PATH"] = os.path.join(root, "stand-ins") + os.pathsep + env["PATH"]
        result = subprocess.run(list(user) + ["bash", os.path.join(root, "tools", "run.sh")],
                                env=env, capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.splitlines()
        self.assertRegex(lines[0], r"about \d+ minutes")
        self.assertEqual(lines[1], "cmake --build build --target gavrin")
        return lines[2:]

    @unittest.skipUnless(os.geteuid() == 0, "only root can run the script as root")
    def test_root_runs_the_program_with_the_sandbox_off_and_is_told_so_in_one_line(self):
        lines = self.run_script()
        self.assertEqual(len(lines), 2, lines)
        self.assertIn("sandbox", lines[0])
        self.assertEqual(lines[1], "program: sandbox off=1")

    def test_another_user_keeps_the_sandbox(self):
        user = [] if os.geteuid() != 0 else ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
        self.assertEqual(self.run_script(*user), ["program: sandbox off=no"])


if __name__ == "__main__":
    unittest.main()
