% The Octave integration tests: every plug-in run in a real MEX host.
%
%   octave-cli --no-gui --norc --no-history --quiet run_tests.m <plug-in folder>
%
% Runs every local function named test_* of the files test_*.m beside this
% script, prints one line per failed test and closes with "N passed, N failed".
% Exit status 1 when a test failed.

args = argv();
if isempty(args)
  fprintf(stderr, "usage: run_tests.m <folder of the Octave plug-ins>\n");
  exit(2);
end
here = fileparts(mfilename("fullpath"));
plugins = make_absolute_filename(args{1});
addpath(here);
% Added last so it comes first: the plug-ins under test, not others on the path.
addpath(plugins);

passed = 0;
failed = 0;

% A plug-in found elsewhere, or none, would make every result meaningless.
found = which("hyxTHERMCONDPTX");
if isempty(found) || !strcmp(canonicalize_file_name(fileparts(found)), canonicalize_file_name(plugins))
  printf("FAIL setup: hyxTHERMCONDPTX not taken from %s (found: '%s')\n", plugins, found);
  failed = 1;
else
  files = dir(fullfile(here, "test_*.m"));
  for f = 1:numel(files)
    [~, group] = fileparts(files(f).name);
    try
      tests = feval(group);
    catch err
      failed += 1;
      printf("FAIL %s: cannot list its tests: %s\n", group, err.message);
      continue;
    end
    for i = 1:numel(tests)
      name = func2str(tests{i});
      if !strncmp(name, "test_", 5)
        continue;  % a helper of that file
      end
      try
        reset_library();
        tests{i}();
        passed += 1;
      catch err
        failed += 1;
        printf("FAIL %s/%s: %s\n", group, name, strrep(err.message, "\n", " | "));
      end
    end
  end
end

printf("%d passed, %d failed\n", passed, failed);
exit(double(failed > 0));
