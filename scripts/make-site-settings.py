#!/usr/bin/env python3
"""Builds the files the maker's web server hands to Lumtar.

server/qvd/set.rar  the site settings file: version, rotating links and the
                    official lists of days off and of working weekend days
server/chk.rar      the check file: online features on, and the same version

Both are INI text in GBK with Windows line ends (the ".rar" ending is
historical; nothing is packed). The day lists come from
server/data/holidays-cn.csv (date,is_off_day,name): is_off_day 1 is a day
off, listed under [holiday]; 0 is a weekend day worked, under [notholiday].

Raise --version whenever the lists or links change: a program whose local
copy has another version downloads the new file at its next check.
"""

import argparse
import csv
import datetime
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEFAULT_CSV = ROOT / "server" / "data" / "holidays-cn.csv"
DEFAULT_OUT = ROOT / "server"

# Rotating links of the bottom strip: host and path without the scheme,
# caption, hint. The program prefixes "http://".
LINKS = [
    ("www.orvane.cn", "Orvane法律软件", "Orvane原创法律软件网站"),
    ("www.orvane.cn/qvd/", "诉讼费计算器下载", "下载诉讼费用计算器的最新版本"),
    ("www.orvane.cn/holiday/", "节假日安排", "历年法定节假日与调休上班日"),
]


def read_days(csv_path):
    off_days, work_days = [], []
    with open(csv_path, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(f):
            day = datetime.date.fromisoformat(row["date"].strip())
            flag = row["is_off_day"].strip()
            if flag == "1":
                off_days.append(day)
            elif flag == "0":
                work_days.append(day)
            else:
                raise ValueError(f"{csv_path}: bad is_off_day {flag!r} on {day}")
    return sorted(set(off_days)), sorted(set(work_days))


def day_section(name, days):
    lines = [f"[{name}]", f"num={len(days)}"]
    lines += [f"{i}={d.strftime('%Y%m%d')}" for i, d in enumerate(days, start=1)]
    return lines


def site_settings(version, off_days, work_days):
    lines = ["[ad]", f"num={version}", f"total={len(LINKS)}"]
    for i, (http, name, about) in enumerate(LINKS, start=1):
        lines += [f"[{i}]", f"http={http}", f"name={name}", f"about={about}"]
    lines += day_section("holiday", off_days)
    lines += day_section("notholiday", work_days)
    return lines


def check_file(version):
    return ["[a1]", "chk=1", "[ad]", f"num={version}"]


def write_gbk(path, lines):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(("\r\n".join(lines) + "\r\n").encode("gbk"))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", type=int, default=1, help="site settings version (default 1)")
    parser.add_argument("--csv", type=pathlib.Path, default=DEFAULT_CSV)
    parser.add_argument("--out", type=pathlib.Path, default=DEFAULT_OUT)
    args = parser.parse_args(argv)

    off_days, work_days = read_days(args.csv)
    write_gbk(args.out / "qvd" / "set.rar", site_settings(args.version, off_days, work_days))
    write_gbk(args.out / "chk.rar", check_file(args.version))
    print(f"version {args.version}: {len(off_days)} days off, {len(work_days)} working weekend days")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
