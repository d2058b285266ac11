#!/usr/bin/env bash
# Fails on any include, in a source or a header, that points the wrong way:
# up a layer, across window folders, into the checker from the game, or Qt
# below the widgets. Layers, bottom to top: catalogue, core, widgets, the
# window folders (board files fillin help intro), app.
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {
  case $1 in
    catalogue) echo 0 ;; core) echo 1 ;; widgets) echo 2 ;;
    board | files | fillin | help | intro) echo 3 ;; app) echo 4 ;;
    *) echo -1 ;;
  esac
}
bad=0
complain() { echo "$1:$2: $3"; bad=1; }
while IFS= read -r file; do
  folder=${file#src/}
  folder=${folder%%/*}
  own=$(rank "$folder")
  lineno=0
  while IFS= read -r line; do
    lineno=$((lineno + 1))
    [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*([\"\<])([^\"\>]+) ]] || continue
    quote=${BASH_REMATCH[1]} header=${BASH_REMATCH[2]}
    if [[ $header == *..* ]]; then
      complain "$file" "$lineno" "include by a relative path: $header"; continue
    fi
    if [[ $quote == "<" ]]; then
      if [[ $header =~ ^Q ]] && ((own < 2)); then
        complain "$file" "$lineno" "Qt below the widgets: <$header>"
      fi
      continue
    fi
    target=${header%%/*}
    [[ $target == "$header" ]] && continue  # a header of the same folder
    if [[ $target == checker ]]; then
      complain "$file" "$lineno" "the game includes the content checker: $header"; continue
    fi
    theirs=$(rank "$target")
    ((theirs < 0)) && { complain "$file" "$lineno" "unknown folder: $header"; continue; }
    [[ $target == "$folder" ]] && continue
    if ((theirs > own)); then
      complain "$file" "$lineno" "$folder includes $header, a layer above it"
    elif ((theirs == own)); then
      complain "$file" "$lineno" "window folder $folder includes $header of another window folder"
    fi
  done <"$file"
done < <(git ls-files 'src/*.h' 'src/*.cpp'; git ls-files --others --exclude-standard 'src/*.h' 'src/*.cpp')
# The checker sits on the catalogue and the Qt-free core alone.
if grep -nE '#\s*include\s*"(widgets|board|files|fillin|help|intro|app)/' tools/checker/*.h tools/checker/*.cpp; then
  echo "the checker includes more than the catalogue and the core"; bad=1
fi
((bad == 0)) && echo "layering: every include points down"
exit $bad
