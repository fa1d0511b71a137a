#!/usr/bin/env python3
"""Counts the public data members of a class: python3 tools/public_data_members.py HEADER CLASS.

A declaration in a public section that ends in ";" and has no "(" before any
"=" or "{" is a data member; using, friend, nested types and statics are not.
"""
import re
import sys

path, name = sys.argv[1], sys.argv[2]
source = open(path, encoding="utf-8").read()
body = source[source.index(f"class {name} "):]
body = body[: body.index("\n};")]
access, members = "private", []
for line in body.split("\n")[1:]:
    text = line.strip()
    if text in ("public:", "private:", "protected:"):
        access = text[:-1]
        continue
    head = re.split(r"[={]", text, maxsplit=1)[0]
    if (access == "public" and text.endswith(";") and "(" not in head and "operator" not in text
            and not re.match(r"(using|friend|class|struct|static|enum)\b", text)):
        members.append(text)
for member in members:
    print(" ", member)
print(f"{len(members)} public data members of {name}")
