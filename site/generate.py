"""Builds the lesson pages from the project's own sources, as CONTRIBUTING.md tells.

    generate.py --source <folder> --build <folder> --html <folder>
"""

import argparse
import base64
import gzip
import html
import pathlib
import re
import shutil
import subprocess
import sys

import jinja2
import markdown
import pygments
import pygments.formatters
import pygments.lexers

HERE = pathlib.Path(__file__).resolve().parent

# What a terminal hides or shows otherwise, as the legend names it: a tab and a trailing blank
# keep their byte under a mark; any other byte outside printable ASCII is written as C++ writes
# it, \0 or \x80, in a box. lesson.js marks what a program prints in the page alike.
HIDDEN = {"tab": "a tab, which a terminal shows as blanks up to the next multiple of 8 columns",
          "blank": "a blank at the end of a line",
          "escaped": "a byte that a terminal shows as nothing (\\0, the NUL byte) or otherwise (\\x80)"}


def options(arguments=None):
    """The folders that the pages are built from and into, as the command line names them."""
    parser = argparse.ArgumentParser(description="Builds or tests the lesson pages.")
    for name in ("--source", "--build", "--html"):
        parser.add_argument(name, type=pathlib.Path, required=True)
    return parser.parse_args(arguments)


class Program:
    """A program of <build>/programs.txt, and the files that the build made of it."""

    def __init__(self, build, line):
        self.name, expected, *self.sources = line.split()
        self.expected = None if expected == "-" else expected
        self.manual = build / "man" / f"{self.name}.1"
        self.lesson = build / "site" / f"{self.name}Lesson"
        self.modules = {"program": build / "site/wasm/modules" / f"{self.name}.wasm",
                        "lesson": build / "site/wasm/modules" / f"{self.name}Lesson.wasm"}

    def output(self, source):
        """The program's output as its .expected file under `source` holds it; empty without one."""
        return (source / self.expected).read_bytes() if self.expected else b""

    def ask(self, *arguments):
        """The native lesson's exit status, standard output and standard error."""
        done = subprocess.run([self.lesson, *map(str, arguments)], capture_output=True, check=False)
        return done.returncode, done.stdout, done.stderr.decode()

    def experiments(self):
        """The lesson's experiments, each a title and inputs (a name, a default, a label each)."""
        found, inputs = [], []
        for line in self.ask("describe")[1].decode().splitlines():
            kind, *fields = line.split("\t")
            if kind == "experiment":
                found.append({"title": fields[0], "inputs": inputs})
                inputs = []
            else:
                inputs.append(dict(zip(("name", "value", "label"), fields)))
        return found


def programs(build):
    """Every program, by name, in the order of <build>/programs.txt."""
    lines = (build / "programs.txt").read_text().splitlines()
    return {program.name: program for program in (Program(build, line) for line in lines)}


def prose(lines):
    """A run of // comment lines, rendered as Markdown. A comment is text, not HTML, and its `*`
    is C++'s (a pointer's target, a product), never emphasis, but inside a `code span`."""
    text = "\n".join(re.sub(r"^\s*// ?", "", line) for line in lines)
    text = "`".join(part if inside % 2 else part.replace("*", "\\*")
                    for inside, part in enumerate(text.split("`")))
    reader = markdown.Markdown()
    reader.preprocessors.deregister("html_block")
    reader.inlinePatterns.deregister("html")
    return reader.convert(text)


def segments(path):
    """The unit at `path` as segments, each a run of whole-line comments, rendered, and the code
    lines (numbered as in the file) up to the next run or the next declaration after a blank line."""
    text = path.read_text()
    lexer = pygments.lexers.CppLexer(stripnl=False, ensurenl=False)
    # The formatter closes every span at the end of its line, so the lines can be cut apart.
    code = pygments.highlight(text, lexer, pygments.formatters.HtmlFormatter(nowrap=True))

    def segment(comment):
        return {"prose": prose(comment) if comment else "",  # and its words, for a Try it to name
                "comment": " ".join(" ".join(comment).replace("//", " ").split()),
                "code": [], "experiments": []}
    result, comment, previous = [], [], ""
    for number, (line, lit) in enumerate(zip(text.split("\n"), code.split("\n"), strict=True), 1):
        if line.lstrip().startswith("//"):
            comment.append(line)
            continue
        if comment and not line.strip():
            result += [segment(comment), segment([])]
        elif comment or not result or line[:1] not in ("", " ", "}", "#") and not previous.strip():
            result.append(segment(comment))
        comment, previous = [], line
        result[-1]["code"].append((number, lit))
    if comment:
        result.append(segment(comment))
    for part in result:  # without the blank lines at either end
        kept = [i for i, (_, lit) in enumerate(part["code"]) if lit.strip()]
        part["code"] = part["code"][kept[0]:kept[-1] + 1] if kept else []
    return [part for part in result if part["prose"] or part["code"]]


def visible(output):
    """The bytes of an output as HTML, what a terminal hides marked, and the marks it uses. Each
    line is numbered, so that a line that wraps on a narrow screen shows as one."""
    lines = []
    split = output.split(b"\n")
    for number, line in enumerate(split, start=1):
        body = line.rstrip(b" ")
        ended = number < len(split) or line  # what follows the last newline is no line
        parts = [f'<span class="ln" data-n="{number}"></span>' if ended else ""]
        for byte in body:
            if byte == 9:
                parts.append('<span class="tab">\t</span>')
            elif 32 <= byte < 127:
                parts.append(html.escape(chr(byte)))
            else:
                escape = "\\0" if byte == 0 else f"\\x{byte:02x}"
                parts.append(f'<span class="escaped" data-byte="{byte:02x}">{escape}</span>')
        lines.append("".join(parts) + '<span class="blank"> </span>' * (len(line) - len(body)))
    shown = "\n".join(lines)
    return shown, [(kind, "\\0" if kind == "escaped" else " ", HIDDEN[kind]) for kind in HIDDEN
                   if f'<span class="{kind}"' in shown]


def experiments(program, files):
    """Each experiment of the program's lesson, answered for its default inputs, placed after the
    first segment whose comment says "Try it" and names it in quotes."""
    for number, experiment in enumerate(program.experiments()):
        status, output, drawn = program.ask(number)
        if status:
            sys.exit(f"generate.py: {program.lesson} {number} exited with {status}: {drawn}")
        experiment.update(number=number, picture=drawn, output=visible(output)[0] if output else "")
        named = [part for file in files for part in file["segments"]
                 if "Try it" in part["comment"] and f'"{experiment["title"]}"' in part["comment"]]
        if not named:
            sys.exit(f'generate.py: no "Try it" of {program.name} names "{experiment["title"]}"')
        named[0]["experiments"].append(experiment)


def main():
    paths = options()
    source, out = paths.source, paths.html
    readme = (source / "README.md").read_text()
    # The reading order: each program, the idea it shows, the file to open first.
    order = re.findall(r"^\| \d+ \| `(\w+)` \| (.+) \| `(.+)` \|$", readme, flags=re.M)
    found = programs(paths.build)
    if sorted(name for name, _, _ in order) != sorted(found):
        sys.exit("generate.py: the README's reading order does not name the programs built")
    env = jinja2.Environment(loader=jinja2.FileSystemLoader(HERE / "templates"), autoescape=True,
                             trim_blocks=True, lstrip_blocks=True, undefined=jinja2.StrictUndefined)
    shutil.rmtree(out, ignore_errors=True)  # no page of an earlier build stays behind
    out.mkdir(parents=True)

    index, contributing = (markdown.markdown((source / name).read_text(), extensions=["tables", "fenced_code"])
                           for name in ("README.md", "CONTRIBUTING.md"))
    for name, _, opened in order:
        for text, target in ((name, f"{name}.html"), (opened, f"{name}.html#{opened}")):
            index = index.replace(f"<td><code>{text}</code></td>",
                                  f'<td><a href="{target}"><code>{text}</code></a></td>')
    # The documents that the README names, on the site too, each linked where it is named: the
    # guide, a page of its own, and the licence, at the end of the index.
    index += f'<h2 id="LICENSE">LICENSE</h2><pre>{html.escape((source / "LICENSE").read_text())}</pre>'
    links = {"README.md": "index.html", "CONTRIBUTING.md": "contributing.html", "LICENSE": "index.html#LICENSE"}
    for page, title, text in (("index", "lessons", index), ("contributing", "contributing", contributing)):
        for name, target in links.items():
            text = text.replace(f"<code>{name}</code>", f'<a href="{target}"><code>{name}</code></a>')
        (out / f"{page}.html").write_text(env.get_template("index.html.j2").render(title=title, readme=text))

    for number, (name, idea, opened) in enumerate(order):
        program = found[name]
        # The file that the reading order opens first, then the program's units, header first.
        shown = [path for unit in program.sources
                 for path in (source / pathlib.Path(unit).with_suffix(".h"), source / unit)
                 if path.exists()]
        shown.sort(key=lambda path: path != source / opened)
        files = [{"name": str(path.relative_to(source)), "segments": segments(path)}
                 for path in shown]
        experiments(program, files)
        output, legend = visible(program.output(source))
        # A paragraph on one line, for the page to wrap at its own width.
        manual = subprocess.run(["groff", "-man", "-Tutf8", "-P-cbou", "-rHY=0", "-rLL=2000n",
                                 "-rLT=72n", program.manual], check=True, capture_output=True, text=True)
        modules = {key: base64.b64encode(gzip.compress(path.read_bytes(), 9, mtime=0)).decode()
                   for key, path in program.modules.items()}
        (out / f"{name}.html").write_text(env.get_template("program.html.j2").render(
            name=name, number=number + 1, idea=markdown.markdown(idea)[3:-4],  # without <p>
            files=files, output=output, legend=legend, expected=program.expected, manual=manual.stdout,
            modules=modules, previous=order[number - 1][0] if number > 0 else None,
            next=order[number + 1][0] if number + 1 < len(order) else None))

    shutil.copy(HERE / "lesson.js", out)
    formatter = pygments.formatters.HtmlFormatter
    (out / "style.css").write_text(
        (HERE / "style.css").read_text() + formatter(style="default").get_style_defs(".code")
        + "\n@media (prefers-color-scheme: dark) {\n"
        + formatter(style="github-dark").get_style_defs(".code") + "\n}\n")


if __name__ == "__main__":
    main()
