#!/usr/bin/env python3
"""One-line mutants of the program code, run against a test suite.

    mutants.py list [FILES...]           the mutants of main's code, as JSON lines
    mutants.py run --tree DIR --mutants LIST --out RESULTS --clones DIR [--workers N]
                   [--sanitize]

`list` writes, for each line of code, one mutant of each of these kinds that
applies to it (a later kind that would make the same line as an earlier one is
left out). Default files: the .cpp files of editor/, display/ and platform/mfc/.

- operator, constant, statement: the line's first change of these, in order:
  the first binary operator flipped (== and !=, < and <=, > and >=, && and ||,
  + and -, ++ and --, += and -=), else the first integer constant (or
  TRUE/FALSE, true/false) off by one, else the whole statement dropped, else a
  negation dropped or a condition negated, else a statement that goes on over
  several lines dropped (`if (false)` before it);
- relational: each &&, ||, relational or equality operator, flipped one at a
  time;
- arguments: two neighbouring arguments of one call swapped (a mutant that
  does not compile is reported as not built);
- return: a returned expression replaced by `{}`, the constant of the
  function's type (0, false, nullptr, an empty string);
- string: a string literal emptied;
- break: a `break` of a `switch` dropped;
- increment: a ++ or -- outside a `for` header dropped;
- boolean: each true/false or TRUE/FALSE swapped.

`run` applies each mutant to clones of the tree DIR (a git checkout of any
commit: a mutant is applied where its line stands with the same text, found
through a line diff of the file), builds only what the change touches and runs
the test programs one after the other until one fails. A result line says
whether the mutant was built and which test program, if any, failed. With
--sanitize the clones are built and run as `scripts/test.sh --sanitize` does,
for the mutants that only read or write out of bounds.
"""
import argparse
import concurrent.futures
import difflib
import json
import os
import queue
import re
import subprocess
import sys
import threading
import time

DEFAULT_DIRS = ["editor", "display", "platform/mfc"]
# The order in which test programs run: the likeliest to fail first, the
# slowest (the end-to-end test) last.
PROGRAMS = ["editor", "mfc", "display", "screen", "stagefile", "platform", "tables", "e2e"]

OPERATORS = [("==", "!="), ("!=", "=="), ("<=", "<"), (">=", ">"), ("&&", "||"), ("||", "&&"),
             ("+=", "-="), ("-=", "+="), ("<", "<="), (">", ">="), ("+", "-"), ("-", "+")]
FLIPS = dict(OPERATORS)
KEYWORD_CONSTANTS = {"TRUE": "FALSE", "FALSE": "TRUE", "true": "false", "false": "true"}
DECLARATION_START = re.compile(
    r"^(?:static\s+|const\s+|constexpr\s+|unsigned\s+|struct\s+)*"
    r"[A-Za-z_][\w:]*(?:<[^;]*>)?[\s\*&]+[\*&]?[A-Za-z_]\w*\s*(?:\[[^\]]*\])*\s*(?:=|;|\{|\()")
NOT_DECLARATIONS = ("return", "delete", "throw", "goto", "else", "case", "new")


def code_spans(line, in_comment, strings=None):
    """The parts of a line that are code (not comments, strings or character
    constants), as (start, end) pairs, and whether a block comment is still
    open at its end. The positions of the quotes of each string literal go to
    strings, if given."""
    spans, i, start, n = [], 0, 0, len(line)
    while i < n:
        if in_comment:
            end = line.find("*/", i)
            if end < 0:
                return spans, True
            i = start = end + 2
            in_comment = False
            continue
        c = line[i]
        if line.startswith("//", i):
            break
        if line.startswith("/*", i):
            spans.append((start, i))
            in_comment = True
            i += 2
            continue
        if c in "\"'":
            spans.append((start, i))
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            if c == '"' and j < n and strings is not None:
                strings.append((i, j))
            i = start = j + 1
            continue
        i += 1
    if not in_comment:
        spans.append((start, min(i, n)))
    return [(a, b) for a, b in spans if b > a], in_comment


def flip_operator(line, spans):
    for a, b in spans:
        seg = line[a:b]
        for m in re.finditer(r"(\+\+|--)(?=\s*[\w)\]])|(?<=[\w)\]])(\+\+|--)", seg):
            op = m.group(1) or m.group(2)
            pos = a + m.start(1 if m.group(1) else 2)
            return line[:pos] + ("--" if op == "++" else "++") + line[pos + 2:], "operator"
        # Binary operators stand between spaces in this code, which keeps
        # templates, pointers, unary minus and -> out.
        for m in re.finditer(r" (==|!=|<=|>=|&&|\|\||\+=|-=|<|>|\+|-) ", seg):
            op = m.group(1)
            new = FLIPS[op]
            pos = a + m.start(1)
            return line[:pos] + new + line[pos + len(op):], "operator"
    return None


def drop_negation(line, spans):
    for a, b in spans:
        m = re.search(r"!(?!=)", line[a:b])
        if m:
            pos = a + m.start()
            return line[:pos] + line[pos + 1:], "operator"
    return None


def negate_condition(line, spans, code):
    """`if (x)` or `while (x)` without an operator of its own: `if (!(x))`."""
    m = re.match(r"^(?:\}\s*else\s+)?(?:if|while)\s*\(", code)
    if not m:
        return None
    open_at = line.find("(", line.find(code) + m.end() - 1)
    depth = 0
    for i in range(open_at, len(line)):
        depth += {"(": 1, ")": -1}.get(line[i], 0)
        if depth == 0:
            inner = line[open_at + 1:i]
            if any(a <= open_at < b for a, b in spans) and ";" not in inner:
                return line[:open_at + 1] + "!(" + inner + ")" + line[i:], "operator"
            return None
    return None


def change_constant(line, spans):
    for a, b in spans:
        seg = line[a:b]
        for m in re.finditer(r"\b(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)\b|\b(TRUE|FALSE|true|false)\b", seg):
            if m.group(3):
                new = KEYWORD_CONSTANTS[m.group(3)]
                pos, length = a + m.start(3), len(m.group(3))
            else:
                text = m.group(1)
                # Part of a floating constant or a name: leave it.
                before = seg[m.start() - 1] if m.start() > 0 else " "
                after = seg[m.end()] if m.end() < len(seg) else " "
                if before in "._" or before.isalpha() or after in "._" or after.isalpha():
                    continue
                value = int(text, 16) + 1 if text.lower().startswith("0x") else int(text) + 1
                new = hex(value) if text.lower().startswith("0x") else str(value)
                pos, length = a + m.start(1), len(text)
            return line[:pos] + new + line[pos + length:], "constant"
    return None


CALL_KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "catch", "defined",
                 "static_cast", "reinterpret_cast", "const_cast", "dynamic_cast"}
# Returns left to other kinds: those that are already the constant, and
# booleans, which the boolean kind swaps.
EMPTY_RETURNS = {"0", "false", "FALSE", "nullptr", "NULL", "{}", '""', "true", "TRUE"}


def in_code(spans, pos):
    return any(a <= pos < b for a, b in spans)


def each_relational(line, spans):
    """Every logical, relational or equality operator of the line, flipped
    one at a time."""
    for a, b in spans:
        for m in re.finditer(r" (==|!=|<=|>=|&&|\|\||<|>) ", line[a:b]):
            op, pos = m.group(1), a + m.start(1)
            yield line[:pos] + FLIPS[op] + line[pos + len(op):], "relational"


def each_boolean(line, spans):
    for a, b in spans:
        for m in re.finditer(r"\b(TRUE|FALSE|true|false)\b", line[a:b]):
            pos = a + m.start(1)
            yield (line[:pos] + KEYWORD_CONSTANTS[m.group(1)] + line[pos + len(m.group(1)):],
                   "boolean")


def each_string(line, strings):
    """Every non-empty string literal of the line, emptied."""
    for i, j in strings:
        if j > i + 1:
            yield line[:i + 1] + line[j:], "string"


def each_increment(line, spans, code):
    """Every ++ or -- of the line, dropped, unless the line is a for header."""
    if re.match(r"^for\s*\(", code):
        return
    for a, b in spans:
        for m in re.finditer(r"(\+\+|--)(?=\s*[A-Za-z_(])|(?<=[\w)\]])(\+\+|--)", line[a:b]):
            pos = a + m.start(1 if m.group(1) else 2)
            yield line[:pos] + line[pos + 2:], "increment"


def each_argument_swap(line, spans, code):
    """For each call that opens and closes on the line, each two neighbouring
    arguments swapped."""
    if not code.endswith((";", ")", "{", "&&", "||")) or code.startswith(("#", "case")):
        return
    # A function's own definition: its parameters are not arguments.
    if re.match(r"^[\w:<>\*&\s]+\s[\*&]?[\w:~]+\s*\(.*\)\s*(const)?\s*\{?$", code) and \
            not re.match(r"^(return|else|if|while|for|switch)\b", code):
        return
    for m in re.finditer(r"([A-Za-z_][\w:]*)\s*\(", line):
        if m.group(1) in CALL_KEYWORDS or not in_code(spans, m.start()):
            continue
        open_at = m.end() - 1
        depth, args, start = 0, [], open_at + 1
        for i in range(open_at, len(line)):
            c = line[i]
            if not in_code(spans, i) and i != open_at:
                continue
            if c in "([{":
                depth += 1
            elif c in ")]}":
                depth -= 1
                if depth == 0:
                    args.append((start, i))
                    break
            elif c == "," and depth == 1:
                args.append((start, i))
                start = i + 1
            elif c == "<" and depth == 1 and line[i - 1:i].isalnum() and line[i + 1:i + 2] != " ":
                break  # a template argument list: leave the call
        else:
            continue
        for k in range(len(args) - 1):
            (a1, b1), (a2, b2) = args[k], args[k + 1]
            x, y = line[a1:b1], line[a2:b2]
            if x.strip() == y.strip() or not x.strip() or not y.strip():
                continue
            lead_x = x[:len(x) - len(x.lstrip())]
            lead_y = y[:len(y) - len(y.lstrip())]
            swapped = lead_x + y.strip() + x[len(x.rstrip()):] + "," + lead_y + x.strip() + \
                y[len(y.rstrip()):]
            yield line[:a1] + swapped + line[b2:], "arguments"


def each_return(line, spans, code):
    """`return x;` with `return {};`: the value-initialised constant of the
    function's type (0, false, nullptr, an empty string)."""
    m = re.match(r"^(.*?\breturn\s+)(.+?);\s*(\}?)\s*$", code)
    if not m or m.group(2).strip() in EMPTY_RETURNS:
        return
    at = next((r.start() for r in re.finditer(r"\breturn\b", line) if in_code(spans, r.start())), -1)
    if at < 0:
        return
    end = line.rfind(";")
    yield line[:at] + "return {}" + line[end:], "return"


def each_switch_break(line, spans, code, in_switch):
    m = re.search(r"\bbreak\s*;", line) if in_switch else None
    if m and in_code(spans, m.start()):
        yield line[:m.start()] + line[m.end():], "break"


def mutants_of(path):
    with open(path, encoding="utf-8", errors="surrogateescape") as f:
        lines = f.read().split("\n")
    out, in_comment, previous, in_map = [], False, ";", False
    braces = []  # what each open brace belongs to: "switch", "loop" or "other"
    for number, line in enumerate(lines, 1):
        strings = []
        spans, in_comment_after = code_spans(line, in_comment, strings)
        in_comment = in_comment_after
        code = "".join(line[a:b] for a, b in spans).strip()
        if not code or code.startswith("#"):
            continue
        if code.startswith("BEGIN_MESSAGE_MAP"):
            in_map = True
            previous = code
            continue
        if code.startswith("END_MESSAGE_MAP"):
            in_map = False
            previous = code
            continue
        mutant = flip_operator(line, spans) or change_constant(line, spans)
        if mutant is None:
            starts_statement = previous.endswith((";", "{", "}", ":")) or re.match(
                r"^(if|for|while|else)\b.*\)?$", previous) is not None
            whole = code.endswith(";") and code.count("(") == code.count(")") and starts_statement
            declaration = DECLARATION_START.match(code) and not code.startswith(NOT_DECLARATIONS)
            if in_map and code.count("(") == code.count(")"):
                mutant = ("", "statement")
            elif whole and not declaration and not re.match(r"^return\s+\S", code):
                indent = line[: len(line) - len(line.lstrip())]
                mutant = (indent + ";", "statement")
        if mutant is None:
            mutant = drop_negation(line, spans) or negate_condition(line, spans, code)
        if mutant is None:
            if (starts_statement and not declaration and code.count("(") > code.count(")")
                    and line[:1].isspace()
                    and not code.startswith(("return", "if", "for", "while", "switch", "else", "}"))):
                # The first line of a statement over several lines: the
                # statement is dropped by a condition that never holds.
                indent = line[: len(line) - len(line.lstrip())]
                mutant = (indent + "if (false) " + line.lstrip(), "statement")
        found = [mutant] if mutant is not None else []
        if not in_map:
            in_switch = next((b == "switch" for b in reversed(braces) if b != "other"), False)
            found += list(each_relational(line, spans))
            found += list(each_argument_swap(line, spans, code))
            found += list(each_return(line, spans, code))
            found += list(each_string(line, strings))
            found += list(each_switch_break(line, spans, code, in_switch))
            found += list(each_increment(line, spans, code))
            found += list(each_boolean(line, spans))
        # One mutant for each distinct change: a later kind that makes the same
        # line as an earlier one (the first operator flipped, say) is left out.
        seen = {"".join(line.split())}
        for mutated, kind in found:
            key = "".join(mutated.split())
            if key in seen:
                continue
            seen.add(key)
            out.append({"file": path, "line": number, "kind": kind,
                        "original": line, "mutated": mutated})
        opens = ("switch" if re.search(r"\bswitch\s*\(", code + previous) else
                 "loop" if re.search(r"\b(for|while|do)\b", code) else "other")
        for c in code:
            if c == "{":
                braces.append(opens)
            elif c == "}" and braces:
                braces.pop()
        previous = code
    return out


def list_mutants(files):
    if not files:
        files = sorted(os.path.join(d, f) for d in DEFAULT_DIRS for f in os.listdir(d)
                       if f.endswith(".cpp"))
    number = 0
    for path in files:
        for m in mutants_of(path):
            number += 1
            m["id"] = number
            print(json.dumps(m, ensure_ascii=False))


def line_map(main_lines, tree_lines):
    """For each line of main's file that the tree's file has unchanged, the
    index of that line in the tree's file."""
    matcher = difflib.SequenceMatcher(None, main_lines, tree_lines, autojunk=False)
    found = {}
    for tag, i1, i2, j1, _ in matcher.get_opcodes():
        if tag == "equal":
            found.update((i, j1 + i - i1) for i in range(i1, i2))
    return found


def sh(command, cwd, timeout, env=None):
    try:
        p = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout, env=env)
        return p.returncode, p.stdout.decode("utf-8", "replace")
    except subprocess.TimeoutExpired as e:
        return "timeout", (e.stdout or b"").decode("utf-8", "replace")


class Worker:
    def __init__(self, tree, clone, sanitize=False):
        self.tree, self.clone, self.build = tree, clone, os.path.join(clone, "b")
        self.sanitize = sanitize

    def prepare(self):
        if not os.path.isdir(self.clone):
            subprocess.run(["git", "clone", "-q", self.tree, self.clone], check=True)
        else:
            # A run that was stopped may have left a mutant in place.
            subprocess.run(["git", "checkout", "-q", "--", "."], cwd=self.clone, check=True)
        code, out = sh(["cmake", "-S", ".", "-B", "b", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                        "-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld",
                        "-DVANTREL_BENCH=OFF"] + (["-DVANTREL_SANITIZE=ON"] if self.sanitize else []),
                       self.clone, 600)
        if code != 0:
            raise RuntimeError(out)
        code, out = sh(["ninja", "-C", "b", "-j", "4"], self.clone, 1800)
        if code != 0:
            raise RuntimeError(out)
        failed, _ = self.suite()
        if failed:
            raise RuntimeError(f"{self.clone}: the unmutated suite fails: {failed}")

    def program(self, name):
        env = dict(os.environ)
        env.pop("DISPLAY", None)
        if self.sanitize:
            # As scripts/test.sh --sanitize runs the suite.
            supp = os.path.join(self.clone, "tests")
            env["ASAN_OPTIONS"] = ("detect_leaks=1:abort_on_error=1:strict_string_checks=1:"
                                   f"suppressions={supp}/asan.supp")
            env["LSAN_OPTIONS"] = f"suppressions={supp}/lsan.supp:print_suppressions=0"
            env["UBSAN_OPTIONS"] = "print_stacktrace=1:halt_on_error=1"
        if name == "e2e":
            program = os.path.join(self.build, "tests/make_e2e_stage")
            command = ["bash", os.path.join(self.clone, "tests/e2e/run_e2e.sh"),
                       os.path.join(self.build, "vantrel"), program]
        else:
            program = os.path.join(self.build, "tests", "test_" + name)
            command = [program]
        if not os.path.exists(program):  # a tree without that test program
            return True, ""
        # A mutant that leaves a dialog waiting fails here rather than
        # holding a worker: the whole program takes seconds.
        limit = (120 if name == "e2e" else 30) * (3 if self.sanitize else 1)
        code, out = sh(command, self.build, limit, env)
        return code == 0, out

    def suite(self):
        for name in PROGRAMS:
            ok, out = self.program(name)
            # The end-to-end test of an older tree may fail for reasons of its
            # own (its display); a mutant fails it only when it fails thrice.
            tries = 1
            while not ok and name == "e2e" and tries < 3:
                ok, out = self.program(name)
                tries += 1
            if not ok:
                tests = re.findall(r"^\[  FAILED  \] (\S+?)(?:,| \(|$)", out, re.M)
                return name, sorted(set(tests))[:5]
        return None, []

    def run(self, mutant, line_index):
        path = os.path.join(self.clone, mutant["file"])
        with open(path, encoding="utf-8", errors="surrogateescape") as f:
            original = f.read()
        lines = original.split("\n")
        lines[line_index] = mutant["mutated"]
        with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
            f.write("\n".join(lines))
        try:
            code, out = sh(["ninja", "-C", "b", "-j", "2"], self.clone, 900)
            if code != 0:
                return {"built": False}
            started = time.time()
            failed, tests = self.suite()
            return {"built": True, "caught": failed, "tests": tests,
                    "seconds": round(time.time() - started, 1)}
        finally:
            with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
                f.write(original)


def run(args):
    mutants = [json.loads(l) for l in open(args.mutants, encoding="utf-8") if l.strip()]
    done = set()
    if os.path.exists(args.out):
        done = {json.loads(l)["id"] for l in open(args.out, encoding="utf-8") if l.strip()}
    # Where each mutant's line stands in this tree: the same line, unchanged.
    maps, tree_texts = {}, {}
    jobs = []
    for m in mutants:
        if m["id"] in done:
            continue
        f = m["file"]
        if f not in maps:
            main_lines = open(f, encoding="utf-8", errors="surrogateescape").read().split("\n")
            p = os.path.join(args.tree, f)
            tree_texts[f] = (open(p, encoding="utf-8", errors="surrogateescape").read().split("\n")
                             if os.path.exists(p) else [])
            maps[f] = line_map(main_lines, tree_texts[f])
        index = maps[f].get(m["line"] - 1)
        if index is not None and tree_texts[f][index] != m["original"]:
            index = None
        jobs.append((m, index))
    # Mutants of one file stay together, so that a worker compiles that file
    # once a mutant.
    by_file = {}
    for job in jobs:
        by_file.setdefault(job[0]["file"], []).append(job)
    chunks = queue.Queue()
    for f, items in by_file.items():
        for i in range(0, len(items), 8):
            chunks.put(items[i:i + 8])
    lock = threading.Lock()
    out = open(args.out, "a", encoding="utf-8")
    total, counter = len(jobs), [0]

    def work(n):
        w = Worker(args.tree, os.path.join(args.clones, f"w{n}"), args.sanitize)
        w.prepare()
        while True:
            try:
                chunk = chunks.get_nowait()
            except queue.Empty:
                return
            for m, index in chunk:
                if index is None:
                    result = {"built": False, "absent": True}
                else:
                    result = w.run(m, index)
                result["id"] = m["id"]
                with lock:
                    out.write(json.dumps(result) + "\n")
                    out.flush()
                    counter[0] += 1
                    if counter[0] % 50 == 0:
                        print(f"{args.out}: {counter[0]}/{total}", file=sys.stderr, flush=True)

    with concurrent.futures.ThreadPoolExecutor(args.workers) as pool:
        for f in [pool.submit(work, n) for n in range(args.workers)]:
            f.result()


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("list")
    p.add_argument("files", nargs="*")
    p = sub.add_parser("run")
    p.add_argument("--tree", required=True)
    p.add_argument("--mutants", required=True)
    p.add_argument("--out", required=True)
    p.add_argument("--clones", required=True)
    p.add_argument("--workers", type=int, default=4)
    p.add_argument("--sanitize", action="store_true",
                   help="build with AddressSanitizer and UndefinedBehaviorSanitizer, as "
                        "scripts/test.sh --sanitize does")
    args = parser.parse_args()
    if args.command == "list":
        list_mutants(args.files)
    else:
        run(args)


if __name__ == "__main__":
    main()
