# Top-level targets of the package.
#
#   make            build every module (src/*.oct) in parallel
#   make check      build, check INDEX and README against src/, then run
#                   every module's tests and help check
#   make demo       build, then run demo/demo.m
#   make bench      build, then run the benchmarks of bench/
#   make dist       the package tarball, dist/boost-VERSION.tar.gz
#   make install    pkg install the tarball for the current user
#   make installcheck  install the tarball into a temporary prefix, load it
#                      and run the tests of the installed copy
#   make clean

PKG := boost
VERSION := $(shell sed -n 's/^Version: *//p' DESCRIPTION)
TARBALL := dist/$(PKG)-$(VERSION).tar.gz
OCTAVE := octave-cli --no-history --no-init-file
JOBS ?= $(shell nproc)
ICDIR := $(CURDIR)/build-installcheck

.PHONY: all build probes check demo bench dist install installcheck clean

all build:
	$(MAKE) -C src -j$(JOBS)

probes: build
	$(MAKE) -C src -j$(JOBS) probes

check: build probes
	tools/check-index.sh
	tools/run-tests.sh src src/build/probes

demo: build
	$(OCTAVE) --path src demo/demo.m

bench: build
	for f in bench/*.m; do $(OCTAVE) --path src "$$f" || exit 1; done

DIST_FILES := DESCRIPTION INDEX COPYING NEWS README.md src/Makefile \
  $(shell find src -mindepth 2 \( -name '*.cc' -o -name '*.h' \) -not -path 'src/build/*' | sort)

dist: $(TARBALL)
$(TARBALL): $(DIST_FILES)
	@mkdir -p dist
	tar -czf $@ --transform 's,^,$(PKG)-$(VERSION)/,' $(DIST_FILES)
	@echo "built $@"

install: $(TARBALL)
	$(OCTAVE) --eval 'pkg install $(TARBALL)'

# The installed copy is what users get: install it into a fresh prefix,
# load it, call a function, then run its own .cc-tst files against it.
installcheck: $(TARBALL)
	rm -rf $(ICDIR) && mkdir -p $(ICDIR)
	$(OCTAVE) --eval 'pkg prefix $(ICDIR) $(ICDIR); pkg local_list $(ICDIR)/octave_packages; pkg install -local $(TARBALL); pkg load $(PKG); assert (boost_time_duration_to_simple_string (1, 2, 3), "01:02:03"); disp ("installed and loaded")'
	tools/run-tests.sh --init 'pkg prefix $(ICDIR) $(ICDIR); pkg local_list $(ICDIR)/octave_packages; pkg load $(PKG)' \
	  $$(find $(ICDIR) -name '*.cc-tst' -printf '%h\n' | sort -u)

clean:
	$(MAKE) -C src clean
	rm -rf dist $(ICDIR)
