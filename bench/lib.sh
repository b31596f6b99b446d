# What the benchmark scripts share: the Release build with the benchmark
# programs, and the generation cases' ratios.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/setup.sh"

bench_build="$TESSELLON_ROOT/build-bench"

# Installs what the benchmarks need and builds them.
build_benchmarks() {
    ensure_packages "${TESSELLON_BUILD_PACKAGES[@]}" libbenchmark-dev libxcb1-dev \
        libxcb-damage0-dev pkg-config xvfb dbus-daemon pwgen openssl
    configure_and_build "$bench_build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DTESSELLON_BENCH=ON >/dev/null
}

# generation_ratios [ARGS...]: runs bench_generation with its generations
# and their draws interleaved at random, and prints one line per case:
#   case  ns-per-generation  ns-of-its-draws  ratio
# where the times are medians and the ratio is the median of the ratios of
# the runs that came side by side (the same repetition). Extra arguments go
# to Google Benchmark.
generation_ratios() {
    "$bench_build/bin/bench_generation" --benchmark_format=csv --benchmark_repetitions=15 \
        --benchmark_enable_random_interleaving=true --benchmark_min_time=0.2 "$@" 2>/dev/null |
    awk -F, '
        function median(list, n,    i, j, v) {
            for (i = 2; i <= n; ++i)
                for (j = i; j > 1 && list[j - 1] > list[j]; --j) {
                    v = list[j]; list[j] = list[j - 1]; list[j - 1] = v
                }
            return n % 2 ? list[(n + 1) / 2] : (list[n / 2] + list[n / 2 + 1]) / 2
        }
        $1 ~ /^"(generation|draws)\// && $1 !~ /_(mean|median|stddev|cv)"$/ {
            name = $1; gsub(/"/, "", name)
            split(name, part, "/"); kind = part[1]; which = part[2]
            ns = $3; unit = $5
            if (unit == "us") ns *= 1000; else if (unit == "ms") ns *= 1000000
            time[kind, which, ++count[kind, which]] = ns
            if (!(which in seen)) { seen[which] = 1; order[++n] = which }
        }
        END {
            printf "%-28s %18s %16s %7s\n", "case", "ns-per-generation", "ns-of-its-draws", "ratio"
            for (c = 1; c <= n; ++c) {
                w = order[c]; k = count["generation", w]
                for (i = 1; i <= k; ++i) {
                    g[i] = time["generation", w, i]; d[i] = time["draws", w, i]
                    r[i] = g[i] / d[i]
                }
                printf "%-28s %18.0f %16.0f %7.3f\n", w, median(g, k), median(d, k), median(r, k)
            }
        }'
}
