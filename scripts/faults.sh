#!/usr/bin/env bash
# Measures whether the test suite notices faults the code could really have: applies one
# plausible one-line fault at a time to a scratch copy of the tree, rebuilds incrementally,
# runs the suite and puts the line back.
#   scripts/faults.sh              every fault of the table below
#   scripts/faults.sh 3 17         faults 3 and 17 only
#   scripts/faults.sh --check      which fault lines still match the sources (no build)
#   SSQ_FAULTS_ROOT=/work/y           the tree to test (default: the one holding this script)
#   SSQ_FAULTS_DIR=/work/x scripts/faults.sh   scratch folder (default: <tree>-scratch);
#       keep it under the ccache base folder so that rebuilds hit the cache.
#   Build the tree itself with the same options (Release, ccache launcher) to share them.
# Prints per fault "caught", "MISSED" or "not applicable" (the line is gone, or the fault
# does not build), and at the end "faults: N caught of M".
set -uo pipefail
shopt -u patsub_replacement 2>/dev/null || true
root=${SSQ_FAULTS_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}
scratch=${SSQ_FAULTS_DIR:-$root-scratch}
tree=$scratch/tree
# The build folder sits inside the copy as build/ sits inside the tree, so that the
# compiler's relative paths, and with them ccache's entries, are the same in both.
build=$tree/build
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_DIR=${CCACHE_DIR:-/work/.ccache}
# The scratch build goes through ccache and links with lld, besides what ./test needs.
if [ "${1:-}" != "--check" ]; then
    source "$root/scripts/deps.sh"
    ssq_install_missing "${SSQ_PACKAGES[@]}" "${SSQ_TEST_PACKAGES[@]}" ccache lld
fi
export QTWEBENGINE_DISABLE_SANDBOX=1

# file @@ existing line fragment @@ faulty replacement @@ what the fault is
faults=$(cat <<'TABLE'
src/core/code/Code.h @@ constexpr int Zone6(int n) { return (n - 1) / 6; } @@ constexpr int Zone6(int n) { return n / 6; } @@ six-zone count: numbers 6, 12, ... fall into the next zone
src/core/code/Code.h @@ for (int d = 2; d < n; ++d) @@ for (int d = 3; d < n; ++d) @@ composite test skips divisor 2: 4, 8, 16, 32 count as prime
src/core/code/Code.h @@ return std::popcount(t.Diffs & ~RedMask{1}) - 5; @@ return std::popcount(t.Diffs & ~RedMask{1}) - 6; @@ AC value off by one
src/core/code/Code.h @@ return std::popcount(t.Reds & ((t.Reds << 1) | (t.Reds >> 1))); @@ return std::popcount(t.Reds & (t.Reds >> 1)); @@ numbers in runs: the last number of each run is not counted
src/core/code/Code.h @@ one(true, TallyCount::TailSum) * std::uint64_t(Tail(n)) @@ one(true, TallyCount::TailSum) * std::uint64_t(n / 10) @@ tail sum adds the tens digit
src/core/code/Code.h @@ const bool step = n - t.Last == 2; @@ const bool step = n - t.Last >= 2; @@ odd/even neighbours: any later number of the same parity counts
src/core/code/Code.h @@ t.Gap = std::max(t.Gap, n > t.Last ? n - t.Last : t.Last - n); @@ t.Gap = std::max(t.Gap, n - t.Last); @@ largest gap: a pair written high before low is no gap
src/core/reduction/ConditionSet.cpp @@ return ok && n >= 1 && n <= 33 && piece == QString::number(n) ? n : 0; @@ return ok && n >= 1 && n <= 33 ? n : 0; @@ number range text: "+5" or "008" accepted
src/core/reduction/ConditionSet.cpp @@ defaults.MatchCount2 = current.MatchCount2; @@ (void)current.MatchCount2; @@ clearing the conditions also clears the second match list
src/core/reduction/GroupLines.cpp @@ if (value < lo || value > hi) { @@ if (value < lo || value >= hi) { @@ chosen group: the upper bound (33, 6) is rejected
src/core/reduction/GroupLines.cpp @@ if (parts.size() != 2) @@ if (parts.size() < 2) @@ chosen group: a line with two "&" is accepted
src/core/reduction/BackTest.cpp @@ previous[0] = history[std::size_t(i - 1)]; @@ previous[0] = history[std::size_t(i)]; @@ back test compares a draw with itself rather than the one before
src/core/reduction/BackTest.cpp @@ if (sorted[i] < 1 || sorted[i] > 33 || (i > 0 && sorted[i] == sorted[i - 1])) @@ if (sorted[i] < 1 || sorted[i] > 33) @@ back test: a draw with a repeated red is not flagged invalid
src/core/reduction/PrizeStats.cpp @@ const qint64 blueMiss = qint64(blues.size()) - blueHit; @@ const qint64 blueMiss = qint64(blues.size()); @@ prize count: the drawn blue also counts as a miss
src/core/reduction/TypedNumbers.cpp @@ blue->front() < 1 || blue->front() > 16) @@ blue->front() < 1 || blue->front() > 33) @@ prize draw: a blue above 16 is accepted
src/core/reduction/ResultOutput.cpp @@ outcome.length = text.size(); @@ outcome.length = text.size() - 1; @@ result search selects one character too few
src/core/reduction/ResultOutput.cpp @@ arg(AliveCount(list)) @@ arg(list.Codes.size()) @@ export header counts removed combinations too
src/core/base/TextFile.cpp @@ if (!file.commit()) { @@ if (!file.flush()) { @@ atomic write: the temporary file never replaces the target
src/core/base/TextFile.cpp @@ if (gbk.hasError()) { @@ if (false) { @@ GBK lines: characters GBK cannot hold become "?" silently
src/core/history/HistoryParser.cpp @@ if (gbkWidth(fields[j]) != 2) @@ if (fields[j].size() != 2) @@ history: field width in characters rather than GBK bytes
src/core/history/HistoryParser.cpp @@ return value >= 1 && value <= 16 ? QString() @@ return value >= 1 && value <= 17 ? QString() @@ history: blue 17 accepted
src/core/recommend/RecommendStats.cpp @@ if (table[m] > table[best]) @@ if (table[m] >= table[best]) @@ frequency ranking: ties go to the highest number
src/core/recommend/RecommendCommands.cpp @@ for (int n = 18; n <= kRedNumbers; ++n) @@ for (int n = 17; n <= kRedNumbers; ++n) @@ recommendations: red 17 ranked last with 18..33
src/core/charts/ChartOmission.cpp @@ if (k >= draws - 20) @@ if (k > draws - 20) @@ omission table: "20 draws" column counts 19
src/core/charts/ChartOmission.cpp @@ QString::number(s.omission), QString::number(s.maxGap), @@ QString::number(s.maxGap), QString::number(s.omission), @@ omission table: current and largest gap columns swapped
src/core/charts/ChartBlue.cpp @@ chart.SetValue(int(x), 1, QString::number(counts[x])); @@ chart.SetValue(int(x), 1, QString::number(counts[x - 1])); @@ bar chart: each bar shows its left neighbour's count
src/gui/reduction/RcmPanel.cpp @@ c.MatchCount2 = ConditionWidgets::readChecks(RcmSheet2->RcmSheet2Gbx2->MatchCount); @@ c.MatchCount2 = ConditionWidgets::readChecks(RcmSheet2->RcmSheet2Gbx1->MatchCount); @@ panel: the second match list reads the first one's counts
src/gui/reduction/ConditionSheet.cpp @@ c.SumRange = readRange(SumRange); @@ c.SumRange = readRange(TailSumRange); @@ condition sheet: sum range read from the tail-sum control
src/gui/recommend/PridictContent.cpp @@ RcmFsMenuR20Click() { runCommand(RecommendKind::Multi15); } @@ RcmFsMenuR20Click() { runCommand(RecommendKind::Multi12); } @@ recommend panel: the 15-red menu item runs the 12-red command
src/core/update/HistoryMerge.cpp @@ if (list.front().draw.draw != mine) { @@ if (list.front().draw.draw.Red != mine.Red) { @@ update merge: a source that changed only the blue of a known draw is not listed
src/gui/charts/H2Net.cpp @@ if (color != clWindow)
                FillTRect(painter, rect, ToQColor(color, pal)); @@ if (color == clWindow)
                FillTRect(painter, rect, ToQColor(color, pal)); @@ trend chart: the coloured cells are left unpainted, the plain ones filled
src/gui/charts/ChartPainting.cpp @@ return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color)); @@ return QColor(ColorBlue(color), ColorGreen(color), ColorRed(color)); @@ charts: cell colours painted with red and blue swapped
src/core/reduction/ReductionReport.cpp @@ for (int k = 1; k <= tolerance && k < int(byFailures.size()); ++k) @@ for (int k = 1; k < tolerance && k < int(byFailures.size()); ++k) @@ tolerance: the report leaves out the count of combinations with the most failures allowed
src/core/reduction/BaseFile.cpp @@ result.codes.erase(std::unique(result.codes.begin(), result.codes.end()), result.codes.end()); @@ // duplicates kept @@ base file: a combination listed twice is counted twice
src/core/reduction/TicketFile.cpp @@ count.cost = count.tickets * kTicketPrice; @@ count.cost = qint64(AliveCount(result)) * kTicketPrice; @@ tickets: the cost ignores how many blues each combination is bought with
src/core/reduction/ExtendedSettings.cpp @@ if (!ok || tolerance < 0 || tolerance > kMaxTolerance) @@ if (!ok || tolerance < 0) @@ condition file: a tolerance above the largest is read
src/core/wheel/WheelVerifier.cpp @@ while (i >= 0 && idx[i] == free - r + i) @@ while (i >= 0 && idx[i] == free - r + i - 1) @@ wheel check: no draw holding the last free number is tried
src/core/wheel/SurvivorWheel.cpp @@ for (std::size_t i = 0; i < n; ++i)
        if (list.Alive[i]) @@ for (std::size_t i = 1; i < n; ++i)
        if (list.Alive[i]) @@ survivor wheel: the first survivor is left out of the cover and of its check
src/core/reduction/ReductionFilter.cpp @@ setStage(s.stage, !(r.min <= s.low && r.max >= s.high), @@ setStage(s.stage, !(r.min < s.low && r.max > s.high), @@ range stages: a range reaching exactly both thresholds restricts after all
src/core/reduction/ReductionFilter.cpp @@ {11, &ConditionSet::SumRange, 21, 180}, @@ {11, &ConditionSet::SumRange, 21, 183}, @@ sum stage: the range 21-180 counts as a restriction and cuts sums 181-183
src/core/reduction/ReductionFilter.cpp @@ m_active &= ~(1U << 13);
        m_fail[13].fill(0); @@ m_fail[13].fill(0); @@ stage 14 with no history shows as active
src/core/reduction/ReductionEngine.cpp @@ if (run.survivors > kReportListLimit) @@ if (run.survivors >= kReportListLimit) @@ report: exactly 20000 survivors are not listed
src/core/reduction/ConditionFile.cpp @@ list.setChecked(item, false);
            return; @@ return; @@ condition file: a missing check key leaves the item as it was instead of clearing it
src/core/reduction/ConditionFile.cpp @@ list.setChecked(item, *number != 0); @@ list.setChecked(item, *number == 1); @@ condition file: a check written as another non-zero number reads as unchecked
src/core/history/HistoryParser.cpp @@ if (failures > kReportedConversions) @@ if (failures >= kReportedConversions) @@ history: exactly ten unconvertible lines add a note of "0 more"
src/core/history/HistoryParser.cpp @@ && ++failures <= kReportedConversions) @@ && ++failures < kReportedConversions) @@ history: only nine unconvertible lines are named
src/core/history/HistoryParser.cpp @@ .arg(failures - kReportedConversions)); @@ .arg(failures)); @@ history: the count of further unconvertible lines includes the named ones
src/core/charts/ChartBlue.cpp @@ mark(b <= 8 ? 23 : 24, kTriangle); @@ mark(b < 8 ? 23 : 24, kTriangle); @@ blue trend: blue 8 marked in the upper half
src/core/charts/ChartBlue.cpp @@ if (b <= 12)
        return 27; @@ if (b < 12)
        return 27; @@ blue trend: blue 12 marked in the last quarter
src/core/reduction/PrizeStats.cpp @@ for (int b = 1; b <= 16; ++b)
            blues.push_back(b); @@ for (int b = 1; b < 16; ++b)
            blues.push_back(b); @@ blue list: none given means fifteen blues, 16 left out
src/core/reduction/PrizeStats.cpp @@ if (!seen[std::size_t(b)]) { @@ if (true) { @@ blue list: a blue given twice is bought twice
src/gui/controls/ItemGrid.cpp @@ return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; @@ return key == Qt::Key_Return || key == Qt::Key_Space; @@ check grids: the keypad's Enter does not switch the focused item
src/gui/controls/ColorChk.cpp @@ const int left = (2 * Spacing + CellWidth) * (index % Cols) + Spacing; @@ const int left = (Spacing + CellWidth) * (index % Cols) + Spacing; @@ number grid: cells placed one gap apart, so a click hits the cell to its right
src/gui/controls/MultiChk.cpp @@ return 2 * Spacing + ChkWidth + CapWidth; @@ return Spacing + ChkWidth + CapWidth; @@ check list: items one gap narrower, so a click hits the neighbour
src/gui/controls/ItemGrid.cpp @@ return focus < count - cols ? focus + cols : focus; @@ return focus <= count - cols ? focus + cols : focus; @@ check grids: Down from the last full row moves the focus past the last item
src/core/update/SourceReader.cpp @@ if (d.Blue < 1 || d.Blue > 16) @@ if (d.Blue < 1 || d.Blue > 17) @@ update: a source's blue 17 is taken
src/core/update/SourceReader.cpp @@ f.size() < shortest && f.size() <= at + 7) { @@ f.size() <= shortest && f.size() <= at + 7) { @@ update: a table's complete last line without a line break is dropped
src/core/update/SourceReader.cpp @@ if (ascendingBreaks > 0 && descendingBreaks > 0) @@ if (ascendingBreaks > 0 || descendingBreaks > 0) @@ update: a source listing the newest draw first is said to be out of order
src/core/update/SourceReader.cpp @@ century = 2000; @@ century = 1900; @@ update: five-digit issues read as the 1900s and dropped
src/core/update/SourceReader.cpp @@ 只取一次").arg(issue).arg(it.value() + 1); @@ 只取一次").arg(issue).arg(it.value()); @@ update: a draw listed twice is said to be listed once
src/core/update/SourceList.cpp @@ if (s.title.isEmpty())
            s.title = s.name; @@ if (false)
            s.title = s.name; @@ source list: a source without a title is shown with no name
src/core/update/SourceList.cpp @@ if (s.isLocalFile() && QFileInfo(s.localPath()).isRelative()) @@ if (s.isLocalFile() && QFileInfo(s.localPath()).isAbsolute()) @@ source list: a relative file is left relative to the working folder, not placed beside the list
src/core/update/SourceList.cpp @@ const QString key = line.left(eq).trimmed().toLower(); @@ const QString key = line.left(eq).trimmed(); @@ source list: "URL=" in capitals is not understood
src/core/update/SourceList.cpp @@ found.removeLast();
                currentBad = true; @@ currentBad = true; @@ source list: a source with an unknown form is still used
src/core/wheel/WheelTable.cpp @@ if (w.size() != 12) @@ if (w.size() < 12) @@ wheel table: a ticket of seven numbers is read as its first six
src/core/wheel/WheelTable.cpp @@ if (int(e.tickets.size()) != h->size || !VerifyWheel(e.n, e.g, e.tickets).ok) @@ if (int(e.tickets.size()) < h->size || !VerifyWheel(e.n, e.g, e.tickets).ok) @@ wheel table: an entry with more tickets than its header says is read
src/core/wheel/WheelTable.cpp @@ if (int(e.tickets.size()) != h->size || !VerifyWheel(e.n, e.g, e.tickets).ok) @@ if (int(e.tickets.size()) != h->size) @@ wheel table: a damaged entry that no longer covers is served
src/core/wheel/ChosenWheel.cpp @@ ticket &= (std::uint64_t{1} << n) - 1; @@ ticket &= (std::uint64_t{1} << (n + 1)) - 1; @@ wheel narrowed from a larger entry keeps one number beyond the chosen ones
src/core/wheel/WheelTable.cpp @@ if (!bases.empty())
                makeOrbits(); @@ if (false)
                makeOrbits(); @@ wheel table: a second group also moves the orbits of the first
src/net/WebFetch.cpp @@ if (data.size() > m_rules.maxBytes)
                abortWith(Abort::TooLarge); @@ if (data.size() >= m_rules.maxBytes)
                abortWith(Abort::TooLarge); @@ download: an answer of exactly the cap is refused
src/net/WebFetch.cpp @@ case Abort::TimedOut:
            return FetchResult::failed(FetchResult::TimedOut, host); @@ case Abort::TimedOut:
            return FetchResult::failed(FetchResult::Interrupted, host); @@ download: a time-out is reported as a broken connection
src/core/update/HistoryMerge.cpp @@ if (issue > oldest)
                    result.missingInHistory @@ if (issue < oldest)
                    result.missingInHistory @@ update: draws older than the history are reported as holes, the holes inside it are not
src/core/history/HistoryParser.cpp @@ if (ny == py + 1 && nn == 1) @@ if (ny == py + 1) @@ missing draws: those at the start of a new year are not named
src/core/update/UpdateRun.cpp @@ if (!m.missingInHistory.isEmpty()) @@ if (m.missingInHistory.isEmpty()) @@ update report: the draws the history lacks are not listed
src/core/update/UpdateRun.cpp @@ if (file.size() > maxBytes) @@ if (file.size() >= maxBytes) @@ update: a local file of exactly the cap is refused
src/core/reduction/ResultOutput.cpp @@ if (!list.Alive[std::size_t(i)])
            continue;
        ++position; @@ ++position; @@ result search: a removed combination is found and counted
src/core/reduction/TypedNumbers.cpp @@ if (!reds || reds->size() != 6) @@ if (!reds || reds->size() < 6) @@ result search: seven numbers are searched as their first six
src/core/charts/ChartAnalysis.cpp @@ const TCodeRedArr &prev = CodeArr[std::size_t(k - 1)].Red; @@ const TCodeRedArr &prev = CodeArr[std::size_t(k)].Red; @@ analysis table: the columns against the draw before compare a draw with itself
src/core/reduction/GbkIniFile.cpp @@ break; // the end of the wanted section @@ continue; // the end of the wanted section @@ INI file: a key of a later section is read as the wanted section's
src/core/reduction/GbkIniFile.cpp @@ if (v.size() >= 2 && ((v.startsWith('"') @@ if (v.size() > 2 && ((v.startsWith('"') @@ INI file: an empty quoted value reads as two quotes
src/core/reduction/GbkIniFile.cpp @@ m_lines.insert(found.endLine, line); @@ m_lines.insert(found.sectionLine + 1, line); @@ INI file: new keys go to the top of their section, not after its last key
src/core/reduction/IntText.cpp @@ *value <= 0xFFFFFFFFLL && @@ *value < 0xFFFFFFFFLL && @@ file integers: "0xFFFFFFFF" refused instead of read as -1
src/core/update/FetchResult.cpp @@ return maxBytes >= 1024 * 1024 ? @@ return maxBytes > 1024 * 1024 ? @@ download failure: a cap of exactly 1 MB is shown in bytes
src/core/update/UpdateRun.cpp @@ if (outcome.readings.size() == 2)
            break; @@ if (outcome.readings.size() == 3)
            break; @@ update: a third source is asked after two have answered
src/gui/wheel/WheelRunner.cpp @@ closeAfter = true; @@ closeAfter = false; @@ wheel runner: closing the window during a search cancels it but never closes the window
src/gui/wheel/WheelRunner.cpp @@ [&control] { control.cancel = true; }); @@ [&control] { control.cancel = false; }); @@ wheel runner: the progress window's 取消 does not stop the search
src/gui/wheel/WheelRunner.cpp @@ if (m_form && (widget == m_form || m_form->isAncestorOf(widget)))
            return false; @@ if (m_form && (widget == m_form || m_form->isAncestorOf(widget)))
            return true; @@ wheel runner: the progress window itself takes no input, so 取消 cannot be pressed
TABLE
)

# The table holds two-line fragments; entries are separated by lines that start with "src/".
entries=()
while IFS= read -r line; do
  if [[ $line == src/* ]]; then entries+=("$line"); else entries[${#entries[@]}-1]+=$'\n'"$line"; fi
done <<<"$faults"

field() { # field N ENTRY
  local rest=$2 i
  for ((i = 1; i < $1; i++)); do rest=${rest#*' @@ '}; done
  printf '%s' "${rest%%' @@ '*}"
}

# Mirrors the tree into the scratch copy, touching only files whose content differs, so
# the persistent build folder rebuilds only what changed.
sync_tree() {
  mkdir -p "$tree"
  (cd "$root" && find . \( -path ./.git -o -path './build*' \) -prune -o -type f -print) |
    while IFS= read -r f; do
      if ! cmp -s "$root/$f" "$tree/$f"; then mkdir -p "$tree/${f%/*}"; cp "$root/$f" "$tree/$f"; fi
    done
  (cd "$tree" && find . -path './build*' -prune -o -type f -print) | while IFS= read -r f; do
    [ -e "$root/$f" ] || rm -f "$tree/$f"
  done
}

# What the suite runs: the test programs, the command-line tool and the corpus replays.
targets() {
  echo ssq-cli
  for f in "$tree"/tests/*/tst_*.cpp; do f=${f##*/}; echo "${f%.cpp}"; done
  for f in "$tree"/fuzz/fuzz_*.cpp; do f=${f##*/fuzz_}; echo "replay_${f%.cpp}"; done
}

build_tree() {
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld >"$scratch/configure.log" 2>&1 || return 1
  fi
  # shellcheck disable=SC2046
  cmake --build "$build" -j2 --target $(targets) >"$scratch/build.log" 2>&1
}

run_suite() {
  xvfb-run -a -s "-screen 0 1600x1200x24" \
    ctest --test-dir "$build" -j2 --stop-on-failure >"$scratch/ctest.log" 2>&1
}

selected() { # selected N: whether fault N is to run
  [ ${#only[@]} -eq 0 ] && return 0
  local k
  for k in "${only[@]}"; do [ "$k" = "$1" ] && return 0; done
  return 1
}

# First line of every run: how many faults touch each folder of src/.
declare -A per_folder=()
for e in "${entries[@]}"; do
  d=$(field 1 "$e"); d=${d#src/}; d=${d%/*}
  per_folder[$d]=$((${per_folder[$d]:-0} + 1))
done
printf 'faults per folder:'
sep=' '
while IFS= read -r d; do printf '%s%s %s' "$sep" "$d" "${per_folder[$d]}"; sep=', '; done < <(printf '%s\n' "${!per_folder[@]}" | sort)
printf ' (%d in all)\n' ${#entries[@]}

check_only=0
only=()
for a in "$@"; do
  if [ "$a" = --check ]; then check_only=1; else only+=("$a"); fi
done

if [ $check_only -eq 1 ]; then
  for i in "${!entries[@]}"; do
    e=${entries[$i]}; f=$(field 1 "$e"); old=$(field 2 "$e")
    content=$(<"$root/$f")
    n=$(grep -cF -- "${old%%$'\n'*}" "$root/$f")
    [[ $content == *"$old"* ]] && s=ok || s="NOT FOUND"
    printf 'fault %2d %-10s (%s occurrence(s) of its first line) %s\n' $((i + 1)) "$s" "$n" "$f"
  done
  exit 0
fi

mkdir -p "$scratch"
sync_tree
echo "faults: building the untouched tree in $scratch"
if ! build_tree; then echo "faults: the untouched tree does not build"; tail -n 30 "$scratch/build.log"; exit 2; fi
if ! run_suite; then echo "faults: the suite fails on the untouched tree"; tail -n 30 "$scratch/ctest.log"; exit 2; fi

caught=0
total=0
for i in "${!entries[@]}"; do
  n=$((i + 1))
  selected $n || continue
  e=${entries[$i]}
  f=$(field 1 "$e"); old=$(field 2 "$e"); new=$(field 3 "$e"); what=$(field 4 "$e")
  total=$((total + 1))
  content=$(<"$tree/$f")
  if [[ $content != *"$old"* ]]; then
    printf 'fault %2d not applicable (line not found)  %s: %s\n' $n "${f##*/}" "$what"; continue
  fi
  printf '%s\n' "${content/"$old"/"$new"}" >"$tree/$f"
  if ! build_tree; then
    verdict="not applicable (does not build)"
  elif run_suite; then
    verdict=MISSED
  else
    verdict=caught; caught=$((caught + 1))
    failed=$(grep -Eo '[0-9]+ - [^ ]+ \(' "$scratch/ctest.log" | head -n 3 | sed 's/^[0-9]* - //; s/ ($//' | tr '\n' ' ')
  fi
  # A new time stamp, so that the next build recompiles the restored file.
  printf '%s\n' "$content" >"$tree/$f"
  printf 'fault %2d %-8s %s: %s%s\n' $n "$verdict" "${f##*/}" "$what" \
    "$([ "$verdict" = caught ] && echo "  [$failed]")"
done
echo "faults: $caught caught of $total"
