"""Builds the lesson pages from the project's own sources.

    generate.py <manifest.json>

The manifest, written by site/CMakeLists.txt, names the README, each program's sources and
expected output, the programs to run and the folder to write. Each unit is cut into segments,
a run of comment lines (the prose, Markdown) and the code lines after it, so that each comment
stands beside the code it explains; the code is highlighted by Pygments with the line numbers of
the file. The index takes its text from the README, the reading order included, and the
pictures are drawn from what the picture program prints. What a page shows of a program comes
from its sources, its output and its compiled code; this file names only which pictures belong
to which program, and where the series is written.
"""

import html
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import threading
from decimal import Decimal

import jinja2
import markdown
import pygments
import pygments.formatters
import pygments.lexers

HERE = pathlib.Path(__file__).resolve().parent

# The pictures each program's page shows, by the keys of the picture program's output.
PICTURES = {
    "bitReverseDemo": ["reversal"],
    "countedStringDump": ["sign"],
    "usartFrameDump": ["frame"],
    "recordBytesDump": ["record", "floats"],
    "seriesReport": ["series"],
    "secondSampler": ["store"],
}

# What a terminal hides in an output, as the legend names it. A tab and a trailing blank keep
# their byte, with a mark that the stylesheet draws over it; the NUL byte, which HTML cannot
# hold, is replaced by NUL_MARK, as C++ writes it.
HIDDEN = {
    "tab": "a tab, which a terminal shows as blanks up to the next multiple of 8 columns",
    "blank": "a blank at the end of a line",
    "nul": "the NUL byte, 0x00, which a terminal shows as nothing",
}
NUL_MARK = "\\0"


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
    """The unit at `path` as segments: each run of whole-line comments, rendered, beside the code
    lines up to the next such run, each code line as (its number in the file, its HTML). A run
    that a blank line parts from the code after it stands alone, with no code."""
    text = path.read_text()
    lexer = pygments.lexers.CppLexer(stripnl=False, ensurenl=False)
    # The formatter closes every span at the end of its line, so the lines can be cut apart.
    code = pygments.highlight(text, lexer, pygments.formatters.HtmlFormatter(nowrap=True))
    result = []
    comment = []
    for number, (line, lit) in enumerate(zip(text.split("\n"), code.split("\n"), strict=True),
                                         start=1):
        if line.lstrip().startswith("//"):
            comment.append(line)
            continue
        if comment and not line.strip():
            result += [{"prose": prose(comment), "code": []}, {"prose": "", "code": []}]
        elif comment or not result:
            result.append({"prose": prose(comment) if comment else "", "code": []})
        comment = []
        result[-1]["code"].append((number, lit))
    if comment:
        result.append({"prose": prose(comment), "code": []})
    for segment in result:
        lines = segment["code"]
        while lines and not lines[-1][1].strip():
            lines.pop()
        while lines and not lines[0][1].strip():
            lines.pop(0)
    return [segment for segment in result if segment["prose"] or segment["code"]]


def visible(output):
    """The bytes of an output as HTML, what a terminal hides marked, and the marks it uses. Each
    line is numbered, so that a line that wraps on a narrow screen shows as one."""
    used = set()
    lines = []
    split = output.split(b"\n")
    for number, line in enumerate(split, start=1):
        body = line.rstrip(b" ")
        trailing = len(line) - len(body)
        ended = number < len(split) or line  # what follows the last newline is no line
        parts = [f'<span class="ln" data-n="{number}"></span>' if ended else ""]
        for byte in body.decode("latin-1"):
            kind = {"\t": "tab", "\0": "nul"}.get(byte)
            if kind:
                used.add(kind)
                mark = NUL_MARK if kind == "nul" else byte
                parts.append(f'<span class="{kind}">{mark}</span>')
            else:
                parts.append(html.escape(byte))
        if trailing:
            used.add("blank")
        parts.append('<span class="blank"> </span>' * trailing)
        lines.append("".join(parts))
    legend = [(kind, NUL_MARK if kind == "nul" else " ", HIDDEN[kind])
              for kind in HIDDEN if kind in used]
    return "\n".join(lines), legend


def byte_map(record):
    """A record's picture: its bytes in rows of its alignment, each cell with its field or as
    padding, and a key that names each field and each run of padding."""
    part = {}  # offset: (kind, name, start, size) of the field or padding run holding it
    for number, field in enumerate(record["fields"]):
        for offset in range(field["offset"], field["offset"] + field["size"]):
            part[offset] = (f"field{number}", field["name"], field["offset"], field["size"])
    for offset in range(record["size"]):
        end = offset
        while end < record["size"] and end not in part:
            end += 1
        for padding in range(offset, end):
            part[padding] = ("padding", "padding", offset, end - offset)
    cells, parts = [], []
    for offset, byte in enumerate(record["bytes"]):
        kind, name, start, size = part[offset]
        cells.append({"offset": offset, "byte": byte, "kind": kind,
                      "title": f"{name}, byte {offset - start + 1} of {size}"})
        if offset == start:
            parts.append({"kind": kind, "name": name,
                          "where": f"offset {start}, {size} byte{'s' if size > 1 else ''}"})
    align = record["align"]
    return dict(record, rows=[cells[at:at + align] for at in range(0, len(cells), align)],
                parts=parts)


def drawn(pictures, written):
    """The picture program's facts, with what each picture draws worked out from them: the cells
    of the byte maps, the bits of the floats, the lines of the reversal, the series' grid."""
    record = pictures["record"]
    for field in pictures["floats"]:
        offset = next(f["offset"] for f in record["fields"] if f["name"] == field["name"])
        field["binary"] = f"{field['bits']:032b}"
        field["bytes"] = " ".join(f"{byte:02x}" for byte in record["bytes"][offset:offset + 4])
    reversal = pictures["reversal"]
    reversal["inputBits"] = f"{reversal['input']:08b}"
    reversal["resultBits"] = f"{reversal['result']:08b}"
    reversal["lines"] = [{"from": 7 - bit, "to": 7 - to, "bit": reversal["input"] >> bit & 1}
                         for bit, to in enumerate(reversal["moves"])]
    for row, text in zip(pictures["series"], written, strict=True):
        stored, spacing = Decimal(row["stored"]), Decimal(row["spacing"])
        steps = (Decimal(text) - int(stored)) / spacing
        row.update(written=text, error=format((stored - Decimal(text)).normalize(), "+f"),
                   per=int(1 / spacing), steps=int(Decimal(row["steps"])), low=int(steps),
                   at=float(steps % 1))
    return dict(pictures, frame=byte_map(pictures["frame"]), record=byte_map(record))


def written_series(path):
    """The samples of the series as written in `path`, the initialiser of its array `arr`."""
    found = re.search(r"\barr\[\] = \{([^}]*)\}", path.read_text())
    if not found:
        sys.exit(f"generate.py: no array arr in {path}")
    return re.findall(r"([0-9.]+)f", found.group(1))


def sections(readme):
    """The README's text before its first heading, under "intro", and each ## section by its
    heading."""
    parts = re.split(r"^## (.+)$", readme, flags=re.M)
    found = {"intro": parts[0].split("\n", 1)[1]}
    found.update(zip(parts[1::2], parts[2::2]))
    return found


def reading_order(section):
    """The programs of the README's reading order: (name, idea, file to open), in order."""
    rows = re.findall(r"^\| \d+ \| `(\w+)` \| (.+) \| `(.+)` \|$", section, flags=re.M)
    if not rows:
        sys.exit("generate.py: the README's reading order has no rows")
    return rows


def main():
    manifest = json.loads(pathlib.Path(sys.argv[1]).read_text())
    source = pathlib.Path(manifest["source"])
    out = pathlib.Path(manifest["output"])
    readme = sections((source / "README.md").read_text())
    order = reading_order(readme["Reading order"])
    programs = manifest["programs"]
    if sorted(name for name, _, _ in order) != sorted(programs):
        sys.exit("generate.py: the README's reading order does not name the programs built")

    # The picture program reads what the programs print of their records and their series.
    with tempfile.TemporaryDirectory() as scratch:
        outputs = []
        for program in manifest["printing"]:
            outputs.append(pathlib.Path(scratch, pathlib.Path(program).name))
            outputs[-1].write_bytes(subprocess.run([program], check=True,
                                                   capture_output=True).stdout)
        facts = json.loads(subprocess.run([manifest["pictures"], *outputs], check=True,
                                          capture_output=True, text=True).stdout)
    series = next(p for p in programs["seriesReport"]["sources"] if p.endswith("arrStats.cpp"))
    pictures = drawn(facts, written_series(pathlib.Path(series)))
    # The sampler runs until killed: its first lines are read, then it is stopped, after ten
    # seconds at the latest. Its lines must show the fake clock. libfaketime leaves its shared
    # memory behind when its process is killed.
    with subprocess.Popen(manifest["sampler"], stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL) as sampler:
        deadline = threading.Timer(10, sampler.kill)
        deadline.start()
        run = b"".join(sampler.stdout.readline() for _ in range(4))
        sampler.kill()
        deadline.cancel()
    for leftover in (f"faketime_shm_{sampler.pid}", f"sem.faketime_sem_{sampler.pid}"):
        pathlib.Path("/dev/shm", leftover).unlink(missing_ok=True)
    times = [int(time) for time in re.findall(rb"^Exec\.\.\.(\d+)$", run, flags=re.M)]
    if len(times) != 3 or not all(0 < time - manifest["samplerStart"] < 10 for time in times):
        sys.exit(f"generate.py: the sampler printed {run!r}, not three samples on the fake clock")

    env = jinja2.Environment(loader=jinja2.FileSystemLoader(HERE / "templates"),
                             autoescape=True, trim_blocks=True, lstrip_blocks=True,
                             undefined=jinja2.StrictUndefined)
    shutil.rmtree(out, ignore_errors=True)  # no page of an earlier build stays behind
    out.mkdir(parents=True)
    # The reading order's table, as the README has it: the rest of that section is the README's.
    table = "\n".join(line for line in readme["Reading order"].splitlines() if line.startswith("|"))
    index = markdown.markdown(table, extensions=["tables"])
    for name, _, opened in order:
        for text, target in ((name, f"{name}.html"), (opened, f"{name}.html#{opened}")):
            index = index.replace(f"<td><code>{text}</code></td>",
                                  f'<td><a href="{target}"><code>{text}</code></a></td>')
    (out / "index.html").write_text(env.get_template("index.html.j2").render(
        intro=markdown.markdown(readme["intro"]), order=index,
        architectures=markdown.markdown(readme["Architectures"], extensions=["tables"]),
        first=order[0][0]))

    for number, (name, idea, opened) in enumerate(order):
        program = programs[name]
        # The file that the reading order opens first, then the program's units, header first.
        paths = [path for unit in program["sources"]
                 for path in (pathlib.Path(unit).with_suffix(".h"), pathlib.Path(unit))
                 if path.exists()]
        paths.sort(key=lambda path: path != source / opened)
        files = [{"name": str(path.relative_to(source)), "segments": segments(path)}
                 for path in paths]
        if program["expected"]:
            output = (source / program["expected"]).read_bytes()
            ran = (f"byte for byte the file <code>{program['expected']}</code>, which the tests "
                   "compare with its output")
        else:
            output = run
            ran = manifest["samplerRun"]
        shown, legend = visible(output)
        (out / f"{name}.html").write_text(env.get_template("program.html.j2").render(
            name=name, number=number + 1, idea=markdown.markdown(idea)[3:-4],  # without <p>
            opened=opened, files=files,
            output=shown, legend=legend, ran=ran,
            pictures={key: pictures[key] for key in PICTURES.get(name, [])},
            previous=order[number - 1][0] if number > 0 else None,
            next=order[number + 1][0] if number + 1 < len(order) else None))

    formatter = pygments.formatters.HtmlFormatter
    (out / "style.css").write_text(
        (HERE / "style.css").read_text()
        + formatter(style="default").get_style_defs(".code")
        + "\n@media (prefers-color-scheme: dark) {\n"
        + formatter(style="github-dark").get_style_defs(".code")
        + "\n}\n")


if __name__ == "__main__":
    main()
