#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
"""Checks the files that scripts/release.sh put in dist/, as a player gets
them: the Debian package's fields, contents and lintian's verdict (it is not
installed here), the zip's three files, the installer under Wine (install,
what it leaves, the program's window, an upgrade to the next version,
uninstall), the web page's archive with its manifest and app icons, and the
sums.

    check_release.py DIST VERSION WORK-DIR
"""
import hashlib
import json
import os
import re
import struct
import subprocess
import sys
import tarfile
import time
import zipfile

failures = []
source = os.path.join(os.path.dirname(__file__), "..", "..")
notices = open(os.path.join(source, "THIRD-PARTY-NOTICES.txt"), "rb").read()
notices_crlf = notices.replace(b"\n", b"\r\n")


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, **options)


def hardened(program):
    """hardening-check on the packaged program; any "no" fails. Control-flow
    protection is asked for only where Debian's flags give it: before dpkg
    1.22 they do not, and that system's start-up files carry no such mark."""
    flags = run("dpkg-buildflags", "--get", "CXXFLAGS", env=dict(os.environ, DEB_BUILD_MAINT_OPTIONS="hardening=+all"))
    options = [] if "-fcf-protection" in flags.stdout else ["--nocfprotection"]
    verdict = run("hardening-check", *options, program)
    print(verdict.stdout, end="")
    missing = [line.strip() for line in verdict.stdout.splitlines() if ": no" in line and "(ignored)" not in line]
    check(verdict.returncode == 0 and not missing, f"hardening-check finds no protection missing {missing}")


def debian_package(dist, version, work):
    deb = os.path.join(dist, f"varnel_{version}_amd64.deb")
    unpacked = os.path.join(work, "deb")
    run("rm", "-rf", unpacked)
    run("dpkg-deb", "-x", deb, unpacked)
    hardened(os.path.join(unpacked, "usr", "games", "varnel"))
    field = lambda name: run("dpkg-deb", "-f", deb, name).stdout.strip()
    check(field("Package") == "varnel" and field("Version") == f"{version}-1", "package name and version")
    check(field("Section") == "games" and field("Architecture") == "amd64", "section and architecture")
    check("libqt6widgets6" in field("Depends") and "libc6" in field("Depends"), f"Depends: {field('Depends')}")
    listing = run("dpkg-deb", "-c", deb).stdout
    for path in ("./usr/games/varnel", "./usr/share/applications/org.varnel.Varnel.desktop",
                 "./usr/share/metainfo/org.varnel.Varnel.metainfo.xml",
                 "./usr/share/icons/hicolor/16x16/apps/org.varnel.Varnel.png",
                 "./usr/share/icons/hicolor/32x32/apps/org.varnel.Varnel.png", "./usr/share/man/man6/varnel.6.gz",
                 "./usr/share/doc/varnel/copyright", "./usr/share/doc/varnel/changelog.Debian.gz"):
        check(f" {path}\n" in listing, f"the package holds {path}")
    check(" root/root " in listing and all(" root/root " in line for line in listing.splitlines()), "owned by root")
    copyright_file = open(os.path.join(unpacked, "usr", "share", "doc", "varnel", "copyright"), "rb").read()
    # All but the licence texts at the end, which Debian keeps in common-licenses.
    listed = notices.split(b"\nThe Apache License, version 2.0")[0]
    check(all(b" " + line in copyright_file for line in listed.splitlines() if line),
          "the package's copyright carries THIRD-PARTY-NOTICES.txt")
    verdict = run("lintian", "--fail-on", "error,warning", deb)
    told = [line for line in verdict.stdout.splitlines() if line[:2] in ("E:", "W:")]
    check(verdict.returncode == 0 and not told, f"lintian: no error, no warning {told}")


def windows_zip(dist, version):
    with zipfile.ZipFile(os.path.join(dist, f"varnel-{version}-win32.zip")) as z:
        names = sorted(z.namelist())
        check(names == ["LICENSE.txt", "README.txt", "THIRD-PARTY-NOTICES.txt", "varnel.exe"],
              f"the zip holds exactly {names}")
        check(z.read("THIRD-PARTY-NOTICES.txt") == notices_crlf, "the zip's THIRD-PARTY-NOTICES.txt is the source's")
        exe = z.read("varnel.exe")
        hardened_exe(exe)
        return exe


def hardened_exe(exe):
    """The shipped program's PE flags, exactly: address-space layout
    randomisation and no code run from data (a 32-bit program has no
    high-entropy address space to ask for), with the relocations that moving it
    needs."""
    header = struct.unpack_from("<I", exe, 0x3C)[0]
    machine, sections, _, _, _, optional_size = struct.unpack_from("<HHIIIH", exe, header + 4)
    characteristics = struct.unpack_from("<H", exe, header + 24 + 70)[0]
    table = header + 24 + optional_size
    names = [exe[table + 40 * i:table + 40 * i + 8].rstrip(b"\0").decode() for i in range(sections)]
    check(machine == 0x14C, f"varnel.exe is a 32-bit program (machine {machine:#x})")
    check(characteristics == 0x0140, f"DllCharacteristics are DYNAMIC_BASE and NX_COMPAT: {characteristics:#06x}")
    check(".reloc" in names, f"it carries its relocations {names}")


def wine_loader():
    """32-bit Wine where this kernel runs 32-bit code, 64-bit Wine otherwise."""
    try:
        if run("/usr/lib/wine/wine", "--version").returncode == 0:
            return "/usr/lib/wine/wine", True
    except OSError:  # the kernel will not load it
        pass
    return "/usr/lib/wine/wine64", False


def next_release(work, version):
    """The zip and installer of the next version, built from the same
    sources with only the version changed; its version and its folder."""
    tree = os.path.join(work, "next")
    run("rm", "-rf", tree)
    run("git", "clone", "-q", "--no-local", source, tree)
    major, minor, patch = version.split(".")
    following = f"{major}.{minor}.{int(patch) + 1}"
    cmake = os.path.join(tree, "CMakeLists.txt")
    text = open(cmake).read()
    open(cmake, "w").write(text.replace(f"project(varnel VERSION {version} ", f"project(varnel VERSION {following} "))
    built = run("bash", "scripts/release.sh", "--windows", cwd=tree)
    check(built.returncode == 0, f"the next version, {following}, builds {built.stderr[-2000:]}")
    return following, os.path.join(tree, "dist")


def shortcut_target(lnk):
    """The local path that a shortcut (.lnk) names, from its link information."""
    flags = struct.unpack_from("<I", lnk, 0x14)[0]
    at = 0x4C
    if flags & 1:  # an item list comes first
        at += 2 + struct.unpack_from("<H", lnk, at)[0]
    if not flags & 2:
        return ""
    base = at + struct.unpack_from("<I", lnk, at + 16)[0]
    return lnk[base:lnk.index(b"\0", base)].decode("latin-1")


def window_opens(wine, windows_path, env):
    """Starts the program on this test's X display (xvfb-run gives it one,
    and ends it with the test), waits for its window "Varnel", then ends it."""
    started = subprocess.Popen([wine, windows_path], env=env)
    seen = False
    deadline = time.monotonic() + 30
    while not seen and started.poll() is None and time.monotonic() < deadline:
        time.sleep(0.5)
        seen = '"Varnel":' in run("xwininfo", "-root", "-tree").stdout
    check(seen, f"{windows_path} opens its window Varnel")
    started.kill()
    started.wait()
    run("wineserver", "-k", env=env)


def installer(dist, version, work, exe):
    wine, runs32 = wine_loader()
    env = dict(os.environ, WINEPREFIX=os.path.join(work, "wine"), WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=")
    wine_run = lambda *args: run(wine, *args, env=env)
    wine_run("wineboot", "-i")
    drive = os.path.join(env["WINEPREFIX"], "drive_c")
    windows = lambda path: "Z:" + os.path.abspath(path).replace("/", "\\")
    msi = windows(os.path.join(dist, f"varnel-{version}-win32.msi"))

    def installed():
        found = []
        for top, _, files in os.walk(drive):
            found += [os.path.join(top, f) for f in files + [os.path.basename(top)] if "varnel" in f.lower()]
        return sorted(set(found))

    def uninstall_entries():
        entries = []
        for root in (r"HKLM\Software\Wow6432Node", r"HKLM\Software"):
            key = root + r"\Microsoft\Windows\CurrentVersion\Uninstall"
            out = wine_run("reg", "query", key, "/s").stdout
            blocks = out.split("\r\n\r\n") if "\r\n" in out else out.split("\n\n")
            entries += [block for block in blocks if "DisplayName" in block and "Varnel" in block]
        # A 32-bit program's key can show in both views: one entry per product.
        return list({entry.strip().splitlines()[0].rsplit("\\", 1)[-1]: entry for entry in entries}.values())

    before = installed()
    check(wine_run("msiexec", "/i", msi, "/qn").returncode == 0, "msiexec /i installs")
    files = installed()
    programs = [f for f in files if f.endswith(os.path.join("Varnel", "varnel.exe")) and "Program Files" in f]
    check(len(programs) == 1, f"varnel.exe under Program Files {programs}")
    if programs:
        check(open(programs[0], "rb").read() == exe, "the installed program is the released one, byte for byte")
        beside = os.path.dirname(programs[0])
        check(os.path.isfile(os.path.join(beside, "LICENSE.txt")) and
              open(os.path.join(beside, "THIRD-PARTY-NOTICES.txt"), "rb").read() == notices_crlf,
              "LICENSE.txt and THIRD-PARTY-NOTICES.txt are installed beside it")
    shortcuts = [f for f in files if f.endswith("Varnel.lnk") and "Start Menu" in f]
    check(len(shortcuts) == 1, f"a Start-menu shortcut {shortcuts}")
    target = shortcut_target(open(shortcuts[0], "rb").read()) if shortcuts else ""
    if programs:
        check(target.lower() == ("C:" + programs[0][len(drive):].replace("/", "\\")).lower(),
              f"the shortcut names the installed program: {target}")
    entry = "".join(uninstall_entries())
    for value in ("DisplayName    REG_SZ    Varnel", f"DisplayVersion    REG_SZ    {version}",
                  "Publisher    REG_SZ    The Varnel developers"):
        check(value in entry, f"Add/Remove Programs entry: {value}")
    # The entry's icon is the product's, which Windows Installer keeps apart.
    products = wine_run("reg", "query", r"HKLM\Software\Classes\Installer\Products", "/s").stdout
    icons = [line.split("REG_SZ")[1].strip() for line in products.splitlines() if "ProductIcon" in line]
    icon = os.path.join(drive, *icons[0][3:].split("\\")) if icons else ""
    check(bool(icon) and open(icon, "rb").read(4) == b"\0\0\1\0", f"Add/Remove Programs icon {icons}")
    if not runs32:
        print("note the installed program is not started: this kernel runs no 32-bit programs")
    elif target:
        window_opens(wine, target, env)

    # The next version replaces this one: one entry, the new program.
    following, next_dist = next_release(work, version)
    next_msi = windows(os.path.join(next_dist, f"varnel-{following}-win32.msi"))
    check(wine_run("msiexec", "/i", next_msi, "/qn").returncode == 0, f"msiexec /i installs {following} over it")
    entries = uninstall_entries()
    check(len(entries) == 1 and f"DisplayVersion    REG_SZ    {following}" in entries[0],
          f"one Add/Remove Programs entry, of {following} ({len(entries)} found)")
    with zipfile.ZipFile(os.path.join(next_dist, f"varnel-{following}-win32.zip")) as z:
        next_exe = z.read("varnel.exe")
    check(next_exe != exe and programs and open(programs[0], "rb").read() == next_exe,
          f"the installed program is {following}'s")
    check(wine_run("msiexec", "/x", next_msi, "/qn").returncode == 0, "msiexec /x uninstalls")
    check(installed() == before, f"nothing of it is left behind {sorted(set(installed()) - set(before))}")
    check(not uninstall_entries(), "its Add/Remove Programs entry is gone")
    check(wine_run("reg", "query", r"HKCU\Software\Varnel").returncode != 0, "its registry key is gone")
    run("wineserver", "-k", env=env)


def signatures(dist, version, work, exe):
    """Authenticode on varnel.exe and the installer, OpenPGP on SHA256SUMS,
    checked against the keys the release was signed with; a changed byte
    in the program breaks its signature."""
    certificate = os.environ.get("VARNEL_SIGN_CERTIFICATE")
    if not certificate:
        print("note the release is unsigned: no VARNEL_SIGN_CERTIFICATE to check it against")
        return
    verify = lambda path: run("osslsigncode", "verify", "-CAfile", certificate, "-in", path).returncode == 0
    signed = os.path.join(work, "varnel.exe")
    open(signed, "wb").write(exe)
    check(verify(signed), "varnel.exe's Authenticode signature verifies")
    check(verify(os.path.join(dist, f"varnel-{version}-win32.msi")), "the installer's Authenticode signature verifies")
    changed = bytearray(exe)
    changed[len(changed) // 3] ^= 1
    open(signed, "wb").write(changed)
    check(not verify(signed), "a byte changed in varnel.exe fails its verification")
    asc = os.path.join(dist, "SHA256SUMS.asc")
    check(run("gpg", "--verify", asc, os.path.join(dist, "SHA256SUMS")).returncode == 0,
          "SHA256SUMS.asc verifies SHA256SUMS")


def web_archive(dist, version):
    with tarfile.open(os.path.join(dist, f"varnel-{version}-web.tar.gz")) as tar:
        members = tar.getmembers()
        top = f"varnel-{version}-web"
        names = [m.name for m in members]
        # The page's files are those its service worker keeps for offline play.
        worker = tar.extractfile(f"{top}/sw.js").read().decode()
        kept = re.search(r"'\./ ([^']*)'\.split", worker)[1].split()
        expected = [top] + sorted(f"{top}/{f}" for f in kept + ["THIRD-PARTY-NOTICES.txt", "sw.js"])
        check(names == expected, f"the web archive holds {names}, its worker keeps {kept}")
        check(tar.extractfile(f"{top}/THIRD-PARTY-NOTICES.txt").read() == notices,
              "its THIRD-PARTY-NOTICES.txt is the source's")
        check(all(m.uid == 0 and m.gid == 0 for m in members), "its members are owned by root")

        manifest = json.loads(tar.extractfile(f"{top}/manifest.json").read())
        wanted = {"name": "Varnel", "short_name": "Varnel", "start_url": "./", "scope": "./",
                  "display": "standalone", "background_color": "#0000ff"}
        check({k: manifest.get(k) for k in wanted} == wanted and "id" not in manifest and manifest.get("theme_color"),
              f"its manifest says {manifest}")
        html = tar.extractfile(f"{top}/index.html").read().decode()
        apple = re.search(r'<link rel="apple-touch-icon" sizes="(\w+)" href="([^"]+)">', html)
        check(apple, "its index.html links the iOS icon, with its size")
        icons = [(icon["src"], icon["sizes"]) for icon in manifest["icons"]] + ([apple.group(2, 1)] if apple else [])
        for src, size in icons:
            png = tar.extractfile(f"{top}/{src}").read()
            width, height = struct.unpack(">II", png[16:24])
            check(png[:8] == b"\x89PNG\r\n\x1a\n" and png[12:16] == b"IHDR" and f"{width}x{height}" == size,
                  f"its icon {src} is a PNG of {width}x{height}, said to be {size}")


def sums(dist):
    check(run("sha256sum", "--strict", "-c", "SHA256SUMS", cwd=dist).returncode == 0, "SHA256SUMS matches")
    listed = sorted(line.split()[1] for line in open(os.path.join(dist, "SHA256SUMS")))
    others = sorted(f for f in os.listdir(dist) if not f.startswith("SHA256SUMS"))
    check(listed == others, "SHA256SUMS lists every file")


def readme_names_them(dist):
    readme = open(os.path.join(source, "README.md")).read()
    for name in sorted(os.listdir(dist)):
        check(name in readme, f"the README's Install section names {name}")


def main():
    dist, version, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    debian_package(dist, version, work)
    exe = windows_zip(dist, version)
    installer(dist, version, work, exe)
    signatures(dist, version, work, exe)
    web_archive(dist, version)
    sums(dist)
    readme_names_them(dist)
    print(f"release: {0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
