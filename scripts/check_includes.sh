#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a folder it may not depend
# on. Dependencies point one way; every folder may use base and platform and
# its own files, except that base uses nothing but itself. A failure names the file, the line and the include.
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root/src"

core="base platform settings editor print puzzle/engine puzzle/play drill"
declare -A allowed=(
  [base]=""
  [platform]=""
  [settings]=""
  [editor]="settings"
  [print]="editor settings"
  [puzzle/engine]="settings"
  [puzzle/play]="puzzle/engine print editor settings"
  [drill]="editor settings"
  [app]="$core"
  [ui/qt]="app $core"
  [ui/common]="ui/qt app $core"
  [ui/print]="ui/common ui/qt app $core"
  [ui/puzzle]="ui/common ui/qt app $core"
  [ui/drill]="ui/common ui/qt app $core"
  [ui/main]="ui/common ui/qt ui/print ui/puzzle ui/drill app $core"
  [cli]="app $core"
)
# The desktop program's own files start the window and print through Qt.
desktop_files="cli/desktop_main.cpp cli/print_command.cpp cli/print_command.h"

# The folder a path under src/ belongs to: puzzle/* and ui/* count their
# subfolder, a file directly in ui/ counts as ui.
folder_of() {
  local path=$1 first rest
  first=${path%%/*}
  rest=${path#*/}
  if [[ ($first == puzzle || $first == ui) && $rest == */* ]]; then
    echo "$first/${rest%%/*}"
  else
    echo "$first"
  fi
}

failures=0
while IFS=: read -r file line text; do
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
  [[ $target == */* ]] || continue
  from=$(folder_of "$file")
  to=$(folder_of "$target")
  [[ -d $to ]] || continue
  if [[ $to == "$from" || $to == base || ($to == platform && $from != base) ]]; then continue; fi
  if [[ -z ${allowed[$from]+set} ]]; then
    echo "src/$file:$line: folder $from has no dependency rule"
    failures=$((failures + 1))
    continue
  fi
  ok=0
  for dep in ${allowed[$from]}; do [[ $dep == "$to" ]] && ok=1; done
  if [[ $ok == 0 && " $desktop_files " == *" $file "* && $to == ui/* ]]; then ok=1; fi
  if [[ $ok == 0 ]]; then
    echo "src/$file:$line: $from may not include $target"
    failures=$((failures + 1))
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' \
           --include='*.inc' . | sed 's|^\./||')

if [[ $failures -gt 0 ]]; then
  echo "$failures includes break the dependency rules"
  exit 1
fi
echo "every include follows the dependency rules"
