#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a CUPS scheduler of its own in FOLDER, listening only on
# FOLDER/cups.sock, with one cups-pdf queue "ScrivoltaPDF" as its default
# printer, and prints the scheduler's PID. Clients reach it with
# CUPS_SERVER=FOLDER/cups.sock; the pages land as PDF files in the printing
# user's ~/PDF. Stop it by its PID. Fails when cupsd or cups-pdf is missing
# or the scheduler does not come up.
# usage: cups_privato.sh FOLDER
set -eu
d=$1
[ -x /usr/sbin/cupsd ] && [ -e /usr/lib/cups/backend/cups-pdf ] || exit 2
mkdir -p "$d/etc/ppd" "$d/spool/tmp" "$d/run" "$d/cache" "$d/log" "$d/tmp"
chmod 755 "$d" "$d/etc" "$d/run" "$d/cache" "$d/log"
chmod 1777 "$d/tmp"
# Filters run as lp and read the spooled jobs.
chgrp lp "$d/spool" "$d/spool/tmp" && chmod 710 "$d/spool" && chmod 1770 "$d/spool/tmp"
cat >"$d/etc/cups-files.conf" <<C
SystemGroup root
ServerRoot $d/etc
RequestRoot $d/spool
TempDir $d/tmp
StateDir $d/run
CacheDir $d/cache
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $d/log/error_log
AccessLog $d/log/access_log
PageLog $d/log/page_log
Printcap $d/printcap
C
cat >"$d/etc/cupsd.conf" <<C
Listen $d/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
C
/usr/sbin/cupsd -f -c "$d/etc/cupsd.conf" -s "$d/etc/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
pid=$!
i=0
while [ ! -S "$d/cups.sock" ]; do
  i=$((i + 1))
  if [ $i -gt 50 ] || ! kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    exit 3
  fi
  sleep 0.1
done
export CUPS_SERVER="$d/cups.sock"
if ! lpadmin -p ScrivoltaPDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1 ||
  ! lpadmin -d ScrivoltaPDF >/dev/null 2>&1; then
  kill "$pid"
  exit 4
fi
echo "$pid"
