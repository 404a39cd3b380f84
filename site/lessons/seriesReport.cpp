// seriesReport's experiment: any 18 samples, reported as the program reports its own, with each
// sample on the grid of floats at its size, and the running sum of the mean on the grids it meets.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "arrStats.h"
#include "lesson.h"

void experiments(Lesson& lesson) {
  const std::vector<std::string> written = lesson.words(
      "arr",
      "101385.71 101390.1 101388.3 101387.21 101388.4 101392.8 101394.8 101389.6 101391.71 "
      "101389 101389.1 101341.4 101344.3 101350.71 101348.71 101357.8 101370.3 101374.21",
      "arr, the samples (for a shorter series, repeat its last sample: a flat step changes no "
      "count or run)",
      18, 18);
  float arr[18] = {};
  for (std::size_t i = 0; i < written.size() && i < 18; ++i) {
    arr[i] = lesson.realOf("arr", written[i]);
  }
  if (!lesson.experiment("Report a series")) {
    return;
  }
  arrStatResult result;
  computeArrStats(arr, 18, &result);
  printSeriesReport(arr, 18, result);

  std::fputs(
      "<figure class='picture series'><table><caption>The samples as written and as stored, and "
      "the running sum of the mean</caption><thead><tr><th scope='col'>#</th><th scope='col'>"
      "written</th><th scope='col'>stored, the nearest float</th><th scope='col'>floats apart"
      "</th><th scope='col'>sum so far, a float</th><th scope='col'>floats apart</th><th "
      "scope='col'>rounded by</th></tr></thead><tbody>",
      picture);
  // How far apart the floats are at a value's size: a power of two.
  const auto apart = [](float value) {
    return std::nextafter(std::fabs(value), INFINITY) - std::fabs(value);
  };
  float sum = 0.0f;
  for (std::size_t i = 0; i < 18; ++i) {
    // The error of a float addition is itself a float, found exactly from the operands and the
    // rounded sum (Knuth's two-sum): the sum as rounded minus the exact one.
    const float before = sum;
    sum += arr[i];
    const float back = sum - before;
    const float error = (before - (sum - back)) + (arr[i] - back);
    std::fprintf(picture,
                 "<tr><th scope='row'>%zu</th><td>%s</td><td>%s</td><td>%s</td><td>%s</td>"
                 "<td>%s</td><td>%s</td></tr>",
                 i, html(written[i]).c_str(), exact(arr[i]).c_str(), exact(apart(arr[i])).c_str(),
                 exact(sum).c_str(), exact(apart(sum)).c_str(), exact(0.0f - error).c_str());
  }
  std::fprintf(picture,
               "</tbody></table><figcaption>A float keeps 24 significant bits, so the floats "
               "are a grid whose spacing doubles at every power of two: each sample is stored "
               "as its nearest grid point, and each addition rounds the sum to the grid at the "
               "sum's size. The mean is the last sum divided by 18, rounded again: %s.</figcaption>"
               "</figure>",
               exact(result.mean).c_str());
}
