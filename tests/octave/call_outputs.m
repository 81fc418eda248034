function out = call_outputs(count, f, varargin)
  % f(varargin{:}) asked for count outputs (0 too), which come back in a cell.
  out = cell(1, count);
  if count == 0
    f(varargin{:});
  else
    [out{:}] = f(varargin{:});
  end
end
