function v = water_value(number, varargin)
  % What the stand-in's water and steam export number computes for the
  % arguments: number + 1*a1 + 2*a2 + ..., left to right, element-wise.
  v = number;
  for k = 1:numel(varargin)
    v = v + k .* double(varargin{k});
  end
end
