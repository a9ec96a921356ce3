#!/usr/bin/env bash
# The Windows installer under wine, on a private X display, and the installed
# program driven from the keyboard: a silent install (folder, Start-menu entry,
# installed-programs entry); past the hand-over the main window with its three
# child windows at home (SCREENSHOT-DIR/windows.png); A1 Tab 25 Tab 5 Enter and
# Ctrl+P print what the Linux build prints; Ctrl+A Ctrl+X edit the Line Number
# box; a length of abc brings the data check message, closed by Enter;
# File > Exit; a silent uninstall removes it all.
# Usage, as root: installer.sh SETUP.exe LINUX-BUILD-DIR SCREENSHOT-DIR
# (the Linux build's pellucors_grab, pellucors_workspace_check and print_driver;
# the wine variables from the caller)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

usage="usage: installer.sh SETUP.exe LINUX-BUILD-DIR SCREENSHOT-DIR"
setup=${1:?$usage}
linux=${2:?$usage}
shots=${3:?$usage}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cups=$here/../print/cups
grab=$linux/tests/realwindow/pellucors_grab
check=$linux/tests/realwindow/pellucors_workspace_check
linux_driver=$linux/tests/print/print_driver
# shellcheck source=../realwindow/xsession.sh
source "$here/../realwindow/xsession.sh"
# shellcheck source=installed.sh
source "$here/installed.sh"
# shellcheck source=../print/cups/documents.sh
source "$cups/documents.sh"
[[ -f $setup ]] || fail "no installer $setup (scripts/windows.sh writes it)"
require_programs "$grab" "$check" "$linux_driver"
[[ $(id -u) -eq 0 ]] || fail "the private CUPS scheduler needs root"
require_tools wine wineserver Xvfb xdotool xwininfo xprop cupsd lpadmin ps2pdf pdftotext
mkdir -p "$shots"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pellucors'
work=$xsession_dir

wine_desktop

# --- Silent install, as an administrator would run it.
wine "$(winepath -w "$setup")" /S || fail "the installer ended with status $?"
wineserver -w
for file in pellucors.exe uninstall.exe platforms/qwindows.dll "$shortcut"; do
    [[ -f $file || -f $folder/$file ]] || fail "the installer did not install $file"
done
[[ $(registry_value "$key" DisplayName) == Pellucors && $(registry_value "$key" DisplayVersion) == 1.0.0 ]] ||
    fail "no entry of version 1.0.0 among the installed programs"
[[ -n $(registry_value "$key" Publisher) ]] || fail "no publisher in the entry among the installed programs"
echo "installed in $folder"

# --- The installed program, past the hand-over, printing through a private
# CUPS scheduler whose queue wine's spooler takes as the default printer.
chmod 0755 "$work"
eval "$("$cups/start-spooler.sh" "$work/printer")"
trap '"$cups/stop-spooler.sh" "$work/printer" || true; xsession_cleanup' EXIT
start_installed "$shots/windows.png"

# The hand-over left the keyboard in the Line Number box.
press_on_main "A 1 Tab 2 5 Tab 5 Return ctrl+p"
"$cups/wait-for-jobs.sh" "$work/printer" 1 60
CUPS_STATEDIR=$work/printer/state QT_QPA_PLATFORM=offscreen timeout 120 "$linux_driver" --enter A1 25 5 0 menu </dev/null >"$work/linux.out" ||
    fail "the Linux build's print_driver failed"
"$cups/wait-for-jobs.sh" "$work/printer" 2 60
ps2pdf "$work/printer/jobs/job-1.pdf" "$work/windows.pdf"
document_lines "$work/windows.pdf" >"$work/windows.txt"
grep -q '^A1 ' "$work/windows.txt" || fail "the printed job holds no row A1: $(cat "$work/windows.txt")"
diff -u <(document_lines "$work/printer/jobs/job-2.pdf") "$work/windows.txt" ||
    fail "the Windows program printed its row otherwise than the Linux build"
echo "typed A1, 25, 5 and printed: the job is as the Linux build prints it"

press_on_main "A 2 ctrl+a ctrl+x"
sleep 2
program_exited && fail "Ctrl+X in the Line Number box ended the program"
[[ -z $(visible_windows '^About Pellucors$') ]] || fail "Ctrl+A in the Line Number box opened About"
echo "Ctrl+A, Ctrl+X in the Line Number box: the program runs on"

press_on_main "A 2 Tab a b c Tab 5 Return"
message_box_closes_with_return '^Pellucors - Please check your data!$'
quit_from_file_menu

# --- Silent uninstall; the uninstaller finishes from a copy of itself.
wine 'C:\Program Files\Pellucors\uninstall.exe' /S || fail "the uninstaller ended with status $?"
wineserver -w
[[ ! -e $folder ]] || fail "the uninstaller left $(find "$folder" | head -n 5)"
[[ ! -e $shortcut ]] || fail "the uninstaller left the Start-menu entry"
[[ -z $(registry_value "$key" DisplayName) ]] || fail "the uninstaller left the installed-programs entry"
echo "PASS: silent install; typed, printed, edited and checked from the keyboard; File > Exit; silent uninstall"
