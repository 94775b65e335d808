#!/usr/bin/python3
# Builds the Windows installer from freefall.wxs with wixl, then adds with libmsi what wixl
# cannot write (the PATH entry, the install location shown in Add/Remove Programs) and replaces
# what it draws from the clock or at random, so that the same input gives the same bytes.
# Usage: SOURCE_DATE_EPOCH=... makemsi.py VERSION FREEFALL_EXE FREEFALL_COM OUTPUT
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import uuid

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ICON = os.path.join(HERE, "..", "..", "resources", "freefall.ico")

# Never to change: Windows Installer finds the installed version of Freefall by it.
UPGRADE_CODE = uuid.UUID("A0E83963-B03E-48FA-9310-AB5E748717EF")
# The package code of the build before its own is derived from its bytes.
NO_PACKAGE_CODE = uuid.UUID(int=0)


def braced(code):
    return "{" + str(code).upper() + "}"


def product_code(version):
    """Each version is its own product, which a major upgrade replaces; the same version always
    has the same code."""
    return uuid.uuid5(UPGRADE_CODE, "Freefall " + version)


def filetime(epoch):
    """Seconds since 1970 as a FILETIME: 100-nanosecond steps since 1601."""
    return (epoch + 11644473600) * 10_000_000


def execute(database, *statements):
    for statement in statements:
        query = Libmsi.Query.new(database, statement)
        query.execute(None)
        query.close()


def add_tables(path):
    database = Libmsi.Database.new(path, Libmsi.DbFlags.TRANSACT, None)
    execute(
        database,
        # The program folder at the front of the user's PATH ([~] stands for the value there
        # already); "=" sets it on install, "-" takes that part out again on uninstall. At the
        # end, Wine would leave its separator behind on uninstall.
        "CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL, "
        "`Name` CHAR(255) NOT NULL LOCALIZABLE, `Value` CHAR(255) LOCALIZABLE, "
        "`Component_` CHAR(72) NOT NULL PRIMARY KEY `Environment`)",
        "INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) "
        "VALUES ('PathEntry', '=-Path', '[INSTALLDIR];[~]', 'PathEntry')",
        "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) "
        "VALUES ('RemoveEnvironmentStrings', 3300)",
        "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) "
        "VALUES ('WriteEnvironmentStrings', 5200)",
        # %LOCALAPPDATA%\Programs too goes on uninstall when nothing else is left in it.
        "INSERT INTO `RemoveFile` (`FileKey`, `Component_`, `DirProperty`, `InstallMode`) "
        "VALUES ('RemoveUserPrograms', 'PathEntry', 'UserProgramsFolder', 2)",
        # Add/Remove Programs shows where the program is, once the folder is known.
        "INSERT INTO `CustomAction` (`Action`, `Type`, `Source`, `Target`) "
        "VALUES ('SetInstallLocation', 51, 'ARPINSTALLLOCATION', '[INSTALLDIR]')",
        "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) "
        "VALUES ('SetInstallLocation', 1100)",
    )
    database.commit()


def stamp(path, epoch, package_code):
    """The summary's dates and package code, which wixl takes from the clock and at random."""
    database = Libmsi.Database.new(path, Libmsi.DbFlags.TRANSACT, None)
    summary = Libmsi.SummaryInfo.new(database, 20)
    summary.set_filetime(Libmsi.Property.CREATED_TM, filetime(epoch))
    summary.set_filetime(Libmsi.Property.LASTSAVED_TM, filetime(epoch))
    summary.set_string(Libmsi.Property.UUID, braced(package_code))
    summary.persist()
    database.commit()


def main(argv):
    if len(argv) != 5:
        sys.exit("usage: SOURCE_DATE_EPOCH=... makemsi.py VERSION FREEFALL_EXE FREEFALL_COM OUTPUT")
    version, exe, com, output = argv[1:]
    # ProductVersion is major.minor[.build]; the installer compares the numbers.
    if not re.fullmatch(r"\d{1,3}\.\d{1,3}", version):
        sys.exit(f"makemsi.py: not a version: {version}")
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])

    with tempfile.TemporaryDirectory() as work:
        # The cabinet keeps each file's time: the release date, read in UTC, for every one.
        for source, name in ((exe, "Freefall.exe"), (com, "freefall.com"), (ICON, "freefall.ico"),
                             (os.path.join(HERE, "freefall.wxs"), "freefall.wxs")):
            target = os.path.join(work, name)
            shutil.copyfile(source, target)
            os.chmod(target, 0o644)
            os.utime(target, (epoch, epoch))
        msi = os.path.join(work, "freefall.msi")
        built = subprocess.run(
            ["wixl", "-a", "x64", "-D", f"Version={version}",
             # Windows Installer reads only upper-case GUIDs.
             "-D", f"ProductCode={str(product_code(version)).upper()}",
             "-D", f"UpgradeCode={str(UPGRADE_CODE).upper()}",
             "-o", msi, "freefall.wxs"],
            cwd=work, env=dict(os.environ, TZ="UTC"), capture_output=True, text=True)
        if built.returncode != 0 or not os.path.exists(msi):
            sys.exit(f"makemsi.py: wixl failed:\n{built.stdout}{built.stderr}")
        add_tables(msi)

        stamp(msi, epoch, NO_PACKAGE_CODE)
        with open(msi, "rb") as package:
            digest = hashlib.sha256(package.read()).hexdigest()
        stamp(msi, epoch, uuid.uuid5(UPGRADE_CODE, "package " + digest))
        shutil.copyfile(msi, output)


if __name__ == "__main__":
    main(sys.argv)
