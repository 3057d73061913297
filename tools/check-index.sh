#!/usr/bin/env bash
# Checks that INDEX and the README's function list name exactly the user
# functions that src/ builds (one src/FAMILY/boost_*.cc each).
set -u
cd "$(dirname "$0")/.."
built=$(ls src/*/boost_*.cc | xargs -n1 basename | sed 's/\.cc$//' | sort)
indexed=$(grep -o '^ boost_[a-z0-9_]*' INDEX | tr -d ' ' | sort)
readme=$(sed -n '/^## Functions/,/^## /p' README.md | grep -o '`boost_[a-z0-9_]*`' | tr -d '`' | sort)
status=0
report () {
  local missing
  missing=$(diff <(echo "$built") <(echo "$2") | sed -n 's/^< /  missing: /p; s/^> /  unknown: /p')
  if [ -n "$missing" ]; then
    echo "$1 does not match the functions in src/:"
    echo "$missing"
    status=1
  fi
}
report INDEX "$indexed"
report "README.md (## Functions)" "$readme"
[ $status = 0 ] && echo "INDEX and README list all $(echo "$built" | wc -l) functions"
exit $status
