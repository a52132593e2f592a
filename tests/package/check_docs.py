#!/usr/bin/env python3
"""The man pages and docs/CLI.md say what --help says.

check_docs.py DIALOMETER DIALOMETER_CLI MAN_DIR CLI_MD
Every command and option that `dialometer-cli --help` names is in
dialometer-cli(1) and docs/CLI.md, and the man page names no command or
option that --help does not; the same for `dialometer --help`, its options
and environment, and dialometer(1). The pages carry the program's version
and format without groff warnings.
"""
import os
import re
import shutil
import subprocess
import sys

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*command):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    return subprocess.run(command, check=True, capture_output=True, text=True, env=env).stdout


def man_text(path):
    """The words of a troff page, without escapes and font changes."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"\\f[BIRP]", "", text).replace("\\-", "-").replace("\\(dq", '"')
    return text


def man_section(text, name):
    match = re.search(r"^\.SH %s\n(.*?)(?=^\.SH |\Z)" % re.escape(name), text, re.S | re.M)
    return match.group(1) if match else ""


def tags(section):
    """The .TP tags of a section: the commands, options or variables it lists."""
    lines = section.splitlines()
    return [re.sub(r"^\.[A-Z]+\s+", "", lines[i + 1]).replace('"', "").strip()
            for i, line in enumerate(lines[:-1]) if line == ".TP"]


def first_words(section):
    return [tag.split()[0] for tag in tags(section)]


def options(text):
    return set(re.findall(r"(?<![\w-])--[a-z][a-z-]*", text))


def lint(path):
    if not shutil.which("groff"):
        return
    result = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-z", path],
                            capture_output=True, text=True)
    check(result.returncode == 0 and not result.stderr.strip(),
          "%s: groff warns: %s" % (os.path.basename(path), result.stderr.strip()))


def check_cli(cli, man_dir, cli_md):
    help_text = run(cli, "--help")
    commands_part = help_text.split("Commands:")[1].split("Options:")[0]
    commands = re.findall(r"^  ([a-z]+)\b", commands_part, re.M)
    check(len(commands) >= 5, "dialometer-cli --help names no commands")
    version = run(cli, "--version").split()[-1]

    page_path = os.path.join(man_dir, "dialometer-cli.1")
    page = man_text(page_path)
    lint(page_path)
    check(("Dialometer %s" % version) in page.splitlines()[0],
          "dialometer-cli.1 is not of version %s" % version)
    page_commands = first_words(man_section(page, "COMMANDS"))
    check(sorted(page_commands) == sorted(commands),
          "dialometer-cli.1 lists commands %s, --help %s" % (page_commands, commands))
    check(options(page) == options(help_text),
          "options only in dialometer-cli.1: %s, only in --help: %s"
          % (sorted(options(page) - options(help_text)), sorted(options(help_text) - options(page))))
    for values in re.findall(r"--format (\S+)", help_text):
        check(values in page.replace(" | ", "|").replace(" ", ""),
              "dialometer-cli.1 lacks --format %s" % values)

    with open(cli_md, encoding="utf-8") as f:
        markdown = f.read()
    for command in commands:
        check(re.search(r"^\|.*`%s\b" % command, markdown, re.M),
              "docs/CLI.md has no row for %s" % command)
    check(options(help_text) <= options(markdown),
          "docs/CLI.md lacks %s" % sorted(options(help_text) - options(markdown)))


def check_program(program, man_dir):
    help_text = run(program, "--help")
    page_path = os.path.join(man_dir, "dialometer.1")
    page = man_text(page_path)
    lint(page_path)
    help_options = options(help_text)
    page_options = {o for tag in tags(man_section(page, "OPTIONS")) for o in options(tag)}
    check(page_options == help_options,
          "dialometer.1 options %s, --help %s" % (sorted(page_options), sorted(help_options)))
    variables = set(re.findall(r"\bDIALOMETER_[A-Z]+\b", help_text))
    page_variables = set(first_words(man_section(page, "ENVIRONMENT")))
    check(variables == page_variables,
          "dialometer.1 environment %s, --help %s" % (sorted(page_variables), sorted(variables)))


def main():
    program, cli, man_dir, cli_md = sys.argv[1:5]
    check_cli(cli, man_dir, cli_md)
    check_program(program, man_dir)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
