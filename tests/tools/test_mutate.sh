#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/mutate --list on a small repository of its own: from a change to one source file it makes
# each kind of mutant where the code allows it and nowhere else: only on changed lines under src/,
# never in comments, strings, preprocessor lines, logging or layout cells; a truth value is inverted
# only where one is returned; a dropped call spans all the lines of its statement; a declaration in a
# class is no call, and its "= 0" no constant. Without --base, the change is the branch's since it left
# main.
set -u
source_dir=${WETONARA_SOURCE_DIR:?WETONARA_SOURCE_DIR names the source folder}
command -v git >/dev/null || { echo "SKIP: git is not installed"; exit 77; }
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed"; exit 77; }

repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
mkdir -p "$repo/scripts" "$repo/src/a" "$repo/tests"
cp "$source_dir/scripts/mutate" "$repo/scripts/"
cd "$repo" || exit 1
printf '#include "Thing.h"\n\nint Thing::old(int a) { return a > 1 ? a : 0; }\n' >src/a/Thing.cpp
printf 'int x = 1 < 2;\n' >tests/tst_Thing.cpp
git init -q -b main . && git add -A && git -c user.name=t -c user.email=t@t commit -qm base

cat >src/a/Thing.cpp <<'EOF'
#include "Thing.h"

#define LIMIT 3

class Thing
{
    Thing(int size);
    virtual bool ready() const = 0;
};

int Thing::old(int a) { return a > 1 ? a : 0; }

bool Thing::fits(int size) const { return size <= Limit && m_open; }

int Thing::count(const QString &name)
{
    // a comment: a < b, x == y && z, 42
    if (!name.isEmpty())
        qWarning() << "count" << name.size() + 7;
    const QString text = QStringLiteral("a < b && 5");
    return take(name, text) + 1;
}

void Thing::clear()
{
    m_items.clear();
    layout->addWidget(m_label, 0, 1);
    setLimit(0, m_size);
    for (int i = 0; valid(i); ++i) {}
}

void Thing::connectAll()
{
    connect(m_button, &QPushButton::clicked, this,
            [this] { return m_count == 0 || m_open; });
    qDebug() << "connected"
             << 3;
    const int big = 1'000;
    ::chmod(path, 0600);
    const auto open = [this]() -> bool { return m_open; };
}

bool Thing::isEmpty() const { return true; }
EOF
printf 'int x = 1 < 2 && 3 > 4;\n' >tests/tst_Thing.cpp

expected='src/a/Thing.cpp:13 return value inverted: bool Thing::fits(int size) const { return !(size <= Limit && m_open); }
src/a/Thing.cpp:13 <= → <: bool Thing::fits(int size) const { return size < Limit && m_open; }
src/a/Thing.cpp:13 && → ||: bool Thing::fits(int size) const { return size <= Limit || m_open; }
src/a/Thing.cpp:18 dropped !: if (name.isEmpty())
src/a/Thing.cpp:21 swapped arguments of take(): return take(text, name) + 1;
src/a/Thing.cpp:21 1 → 0: return take(name, text) + 0;
src/a/Thing.cpp:26 dropped call clear(): ;
src/a/Thing.cpp:28 dropped call setLimit(): ;
src/a/Thing.cpp:28 swapped arguments of setLimit(): setLimit(m_size, 0);
src/a/Thing.cpp:28 0 → 1: setLimit(1, m_size);
src/a/Thing.cpp:29 0 → 1: for (int i = 1; valid(i); ++i) {}
src/a/Thing.cpp:34 dropped call connect(): ;
src/a/Thing.cpp:35 return value inverted: [this] { return !(m_count == 0 || m_open); });
src/a/Thing.cpp:35 == → !=: [this] { return m_count != 0 || m_open; });
src/a/Thing.cpp:35 0 → 1: [this] { return m_count == 1 || m_open; });
src/a/Thing.cpp:35 || → &&: [this] { return m_count == 0 && m_open; });
src/a/Thing.cpp:39 dropped call chmod(): ;
src/a/Thing.cpp:39 swapped arguments of chmod(): ::chmod(0600, path);
src/a/Thing.cpp:39 0600 → 0601: ::chmod(path, 0601);
src/a/Thing.cpp:40 return value inverted: const auto open = [this]() -> bool { return !(m_open); };
src/a/Thing.cpp:43 true → false: bool Thing::isEmpty() const { return false; }'
# The change not yet committed, then committed on a branch of its own: the same mutants.
listed=$(scripts/mutate --base HEAD --list 2>&1)
git checkout -q -b topic && git add -A && git -c user.name=t -c user.email=t@t commit -qm change
on_branch=$(scripts/mutate --list 2>&1)
for run in "$listed" "$on_branch"; do
    if [[ ${run#*$'\n'} != "$expected" || ${run%%$'\n'*} != "21 mutants on 40 lines of 1 file(s) changed since "* ]]; then
        echo "FAIL: the mutants differ from those expected:"
        diff <(echo "$expected") <(echo "$run")
        exit 1
    fi
done
# The whole connect() goes, its second line with it, and the file keeps its line count.
python3 - "$repo/scripts/mutate" <<'EOF' || exit 1
import importlib.machinery, importlib.util, sys
loader = importlib.machinery.SourceFileLoader("mutate", sys.argv[1])
mutate = importlib.util.module_from_spec(importlib.util.spec_from_loader("mutate", loader))
loader.exec_module(mutate)
text = open("src/a/Thing.cpp").read()
dropped = [m for m in mutate.mutants_of("src/a/Thing.cpp", text, set(range(1, 40)), False) if m.line == 34][0]
lines = dropped.apply(text).splitlines()
if len(lines) != len(text.splitlines()) or lines[33:35] != ["    ;", ""]:
    sys.exit(f"FAIL: the dropped connect() reads {lines[33:35]}")
EOF
echo "PASS: scripts/mutate makes the mutants expected of a change, and only those"
