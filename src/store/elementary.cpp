#include "store/elementary.h"

#include <cstdint>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// How the functions work. Every argument is brought to a small range where
// a table of exact values and a short series do the rest:
//   - sin, cos, tan: x = k pi/2 + r with |r| <= pi/4 (four-part pi/2 for
//     |x| < 2^20, the bits of 2/pi beyond), then r = i/128 + t with
//     |t| <= 1/256, and sin(i/128 + t), cos(i/128 + t) from the table of
//     sin and cos of i/128 and the series of sin t and cos t;
//   - atan: z = |x| or 1/|x| in [0, 1], z = j/64 + ..., atan z =
//     atan(j/64) + atan(w) with w = (z - j/64) / (1 + z j/64), |w| <= 1/128;
//   - acos: through atan of sqrt(1 - x^2)/|x| or |x|/sqrt(1 - x^2).
// The common path carries the result as a pair of doubles (hi + lo) to
// about 2^-66 and returns hi + lo when the error bound cannot change its
// rounding; otherwise the accurate path redoes the work in double-double
// arithmetic (about 2^-100). The tables come from tools/elementary_tables.cpp.

namespace kwarel::elementary {
namespace {

struct DoubleDouble {
    double hi;
    double lo;
};

struct SinCosPair {
    DoubleDouble sin;
    DoubleDouble cos;
};

constexpr double kHalfPi1 = 0x1.921fb54p+0;
constexpr double kHalfPi2 = 0x1.10b461p-30;
constexpr double kHalfPi3 = 0x1.a62633p-58;
constexpr double kHalfPi4 = 0x1.45c06e0e68948p-86;
constexpr DoubleDouble kHalfPiPair = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr DoubleDouble kPiPair = {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};

constexpr DoubleDouble kInverse3 = {0x1.5555555555555p-2, 0x1.5555555555555p-56};
constexpr DoubleDouble kInverse5 = {0x1.999999999999ap-3, -0x1.999999999999ap-57};
constexpr DoubleDouble kInverse6 = {0x1.5555555555555p-3, 0x1.5555555555555p-57};
constexpr DoubleDouble kInverse7 = {0x1.2492492492492p-3, 0x1.2492492492492p-57};
constexpr DoubleDouble kInverse24 = {0x1.5555555555555p-5, 0x1.5555555555555p-59};
constexpr DoubleDouble kInverse120 = {0x1.1111111111111p-7, 0x1.1111111111111p-63};

constexpr double kTwoOverPiChunks[] = {
    10680707, 7228996, 1387004, 2578385, 16069853, 12639074, 9804092, 4427841,
    16666979, 11263675, 12935607, 2387514, 4345298, 14681673, 3074569, 13734428,
    16653803, 1880361, 10960616, 8533493, 3062596, 8710556, 7349940, 6258241,
    3772886, 3769171, 3798172, 8675211, 12450088, 3874808, 9961438, 366607,
    15675153, 9132554, 7151469, 3571407, 2607881, 12013382, 4155038, 6285869,
    7677882, 13102053, 15825725, 473591, 9065106, 15363067, 6271263, 9264392,
    5636912, 4652155};

// {sin hi, sin lo}, {cos hi, cos lo} of i/128
constexpr SinCosPair kSinCos[] = {
    {{0x0p+0, 0x0p+0}, {0x1p+0, 0x0p+0}},
    {{0x1.fffeaaaaeeeefp-8, -0x1.e45e2ec67b77cp-62}, {0x1.fffc000155552p-1, 0x1.f4a01a0196daep-55}},
    {{0x1.fffaaaaeeeed5p-7, -0x1.2ab639a9f0776p-63}, {0x1.fff000155549fp-1, 0x1.28a28a03a5ef3p-55}},
    {{0x1.7ff7001033255p-6, 0x1.efe2b51527336p-64}, {0x1.ffdc006bff7e6p-1, 0x1.ae6dae86977bdp-55}},
    {{0x1.ffeaaaeeee86fp-6, -0x1.cd406fb224ae2p-60}, {0x1.ffc00155527d3p-1, -0x1.3b54492d89b5bp-55}},
    {{0x1.3feb2b12d45d5p-5, 0x1.4ec54203d1c11p-60}, {0x1.ff9c03414a7bap-1, 0x1.991f4be6c59bfp-57}},
    {{0x1.7fdc01032fba9p-5, -0x1.599bdf46e997ap-59}, {0x1.ff7006bfdf99fp-1, -0x1.8b3b560648d5fp-56}},
    {{0x1.bfc6d78586dacp-5, 0x1.8e4fd03dbf236p-62}, {0x1.ff3c0c8103a31p-1, 0x1.4856dbddc0e66p-56}},
    {{0x1.ffaaaeeed4edbp-5, -0x1.2d16d32684b69p-59}, {0x1.ff0015549f4d3p-1, 0x1.328387b99426fp-55}},
    {{0x1.1fc343d808befp-4, -0x1.f3d32e6f3be4fp-58}, {0x1.febc222a8ef9fp-1, 0x1.7934934f54c77p-58}},
    {{0x1.3facb12d1755bp-4, -0x1.921915299468bp-58}, {0x1.fe7034129ef6fp-1, -0x1.cbf4337c96f97p-57}},
    {{0x1.5f911fd10b737p-4, -0x1.0184f02be9102p-58}, {0x1.fe1c4c3c873ebp-1, -0x1.5a9c9057c4a02p-60}},
    {{0x1.7f701032550e4p-4, 0x1.afc2d1800501ap-60}, {0x1.fdc06bf7e6b9bp-1, 0x1.31902b535f8dbp-55}},
    {{0x1.9f4902d55d1f9p-4, 0x1.2696d7eac1dc1p-58}, {0x1.fd5c94b43ep-1, -0x1.2e768cb4f92f9p-57}},
    {{0x1.bf1b78568391dp-4, 0x1.e91841dea4cc8p-58}, {0x1.fcf0c800e99b1p-1, 0x1.ea3d786d186acp-57}},
    {{0x1.dee6f16c1cce6p-4, -0x1.50f8e2fb71673p-59}, {0x1.fc7d078d1bc88p-1, 0x1.075d2447db685p-55}},
    {{0x1.feaaeee86ee36p-4, -0x1.afcb2bcc6f03bp-59}, {0x1.fc015527d5bd3p-1, 0x1.b68f35094efb8p-55}},
    {{0x1.0f3378ddd71d1p-3, 0x1.d8468724f0f9ep-57}, {0x1.fb7db2bfe0695p-1, 0x1.21dadf4f65ab1p-55}},
    {{0x1.1f0d3d7afceafp-3, -0x1.6ef95099769a5p-57}, {0x1.faf22263c4bd3p-1, -0x1.52ace133a2769p-58}},
    {{0x1.2ee285e4ab88fp-3, -0x1.e4d0f05dee058p-57}, {0x1.fa5ea641c36f2p-1, 0x1.04da6ed17cc7cp-59}},
    {{0x1.3eb312c5d66cbp-3, 0x1.47d666b66cb91p-57}, {0x1.f9c340a7cc428p-1, 0x1.c5b6b063b7462p-55}},
    {{0x1.4e7ea4dc5f27bp-3, 0x1.949db2ac072fcp-58}, {0x1.f91ff40374d01p-1, -0x1.7d03f4d3a9e4cp-57}},
    {{0x1.5e44fcfa126f3p-3, -0x1.6f443063f89b6p-57}, {0x1.f874c2e1eecf6p-1, -0x1.c6514e1332b16p-55}},
    {{0x1.6e05dc05a4d4cp-3, -0x1.32c5c8b81c919p-66}, {0x1.f7c1afeffde24p-1, -0x1.8f55bc47540b1p-56}},
    {{0x1.7dc102fbaf2b5p-3, 0x1.5ab50e23c97c3p-59}, {0x1.f706bdf9ece1cp-1, -0x1.698c80c36dcb4p-55}},
    {{0x1.8d7632efaa944p-3, -0x1.20fa262cbb953p-57}, {0x1.f643efeb82acdp-1, 0x1.6b00ac1fe28acp-56}},
    {{0x1.9d252d0cec312p-3, 0x1.9c43d80b1137dp-58}, {0x1.f57948cff6797p-1, 0x1.e3a0d3e03b1d4p-57}},
    {{0x1.accdb297a0765p-3, -0x1.9883b57d6cdeap-58}, {0x1.f4a6cbd1e3a79p-1, 0x1.13df0edaebb57p-55}},
    {{0x1.bc6f84edc6199p-3, 0x1.9c1a56a7b0cabp-57}, {0x1.f3cc7c3b3d16ep-1, -0x1.21a3ad28a3494p-57}},
    {{0x1.cc0a6588289a3p-3, -0x1.868d09bc87c6bp-57}, {0x1.f2ea5d753ffedp-1, 0x1.cc4215f56d583p-55}},
    {{0x1.db9e15fb5a5dp-3, -0x1.32e20d6cc6fc2p-57}, {0x1.f20073086649fp-1, 0x1.b940416c1984bp-56}},
    {{0x1.eb2a57f8ae5a3p-3, -0x1.0be06af572cebp-57}, {0x1.f10ec09c5873bp-1, 0x1.d9072762c1283p-55}},
    {{0x1.faaeed4f31577p-3, -0x1.15d88508e32b8p-57}, {0x1.f01549f7deea1p-1, 0x1.d3c1e99e5cafdp-55}},
    {{0x1.0515cbf65155cp-2, -0x1.9b8c29dfd8ec7p-56}, {0x1.ef141300d2f26p-1, -0x1.2aa1b08ded372p-55}},
    {{0x1.0cd00cef36436p-2, -0x1.9fb0a0c93e2b4p-56}, {0x1.ee0b1fbc0f11cp-1, -0x1.bfd2380bbc3b1p-59}},
    {{0x1.14861aa94ddebp-2, -0x1.be881b5b615a4p-57}, {0x1.ecfa744d5efa1p-1, -0x1.56d0a4af541dp-58}},
    {{0x1.1c37d64c6b876p-2, 0x1.46076fe0dcff4p-56}, {0x1.ebe214f76efa8p-1, -0x1.02f9f12ba543ep-55}},
    {{0x1.23e52111aaf36p-2, -0x1.4f080334eff18p-56}, {0x1.eac2061bbaf4fp-1, 0x1.2c1d53e94658dp-57}},
    {{0x1.2b8ddc43eb49fp-2, 0x1.1553899f2d807p-57}, {0x1.e99a4c3a7cd83p-1, -0x1.2264b1bc53ce8p-55}},
    {{0x1.3331e94049f87p-2, 0x1.e0cb6b40c302cp-56}, {0x1.e86aebf29a9edp-1, 0x1.9397afdbb58a7p-55}},
    {{0x1.3ad129769d3d8p-2, 0x1.03d550487839ap-63}, {0x1.e733ea0193d4p-1, -0x1.6428b3546ce13p-55}},
    {{0x1.426b7e69ee697p-2, -0x1.f09c75705c59fp-56}, {0x1.e5f54b436e9dp-1, 0x1.7eb0fd02fc8bcp-55}},
    {{0x1.4a00c9b0f3d2p-2, 0x1.823ba6bb08eadp-56}, {0x1.e4af14b2a449cp-1, -0x1.68ca02e8a6833p-55}},
    {{0x1.5190ecf68a77ap-2, 0x1.b357155eef0f3p-56}, {0x1.e3614b680d6a5p-1, -0x1.27793aa015237p-56}},
    {{0x1.591bc9fa2f597p-2, 0x1.7c74bac3fe0cbp-57}, {0x1.e20bf49acd6c1p-1, -0x1.660aec7ef636bp-58}},
    {{0x1.60a1429078775p-2, 0x1.b1fd80ba89133p-58}, {0x1.e0af15a03dbcep-1, 0x1.fe8e702771ae6p-58}},
    {{0x1.682138a38d7f7p-2, -0x1.d889202444aadp-56}, {0x1.df4ab3ebd875ep-1, -0x1.e2d8a7e6736c4p-55}},
    {{0x1.6f9b8e33a0255p-2, 0x1.42bc14ee9da0dp-56}, {0x1.ddded50f228d6p-1, -0x1.e80c8d42ba2bfp-57}},
    {{0x1.7710255764214p-2, -0x1.6ead7314bb6cep-57}, {0x1.dc6b7eb995912p-1, 0x1.4b364776dcd35p-58}},
    {{0x1.7e7ee03c86d4ep-2, -0x1.b63bcdabf5af2p-56}, {0x1.daf0b6b888e83p-1, 0x1.a249e2b5e5ceap-55}},
    {{0x1.85e7a12826949p-2, 0x1.8a40e9b5facep-56}, {0x1.d96e82f71a9dcp-1, 0x1.ff61bd5d2039dp-55}},
    {{0x1.8d4a4a774992fp-2, 0x1.44a02ea766326p-56}, {0x1.d7e4e97e17b4ap-1, -0x1.3b770352bed94p-57}},
    {{0x1.94a6be9f546c5p-2, -0x1.69ce13e683f58p-56}, {0x1.d653f073e404p-1, -0x1.76236434bec37p-55}},
    {{0x1.9bfce02e8051p-2, 0x1.09e39a320b0a4p-56}, {0x1.d4bb9e1c619ep-1, 0x1.f34bb77858f61p-55}},
    {{0x1.a34c91cc50ccap-2, -0x1.a310e3b50cecdp-58}, {0x1.d31bf8d8d7c06p-1, 0x1.e60dd3089cbddp-56}},
    {{0x1.aa95b63a09277p-2, -0x1.6293eb13c0381p-57}, {0x1.d1750727d94fp-1, 0x1.0d52b1ec1a48ep-55}},
    {{0x1.b1d8305321617p-2, -0x1.ae242cb99f519p-56}, {0x1.cfc6cfa52ad9fp-1, 0x1.8b5b5508f2a0dp-55}},
    {{0x1.b913e30dbac43p-2, -0x1.e38ad2f6c3ff1p-56}, {0x1.ce115909a82e5p-1, 0x1.1f139bb31109ap-55}},
    {{0x1.c048b17b140a3p-2, 0x1.19fe6757e9fa7p-57}, {0x1.cc54aa2b2972ep-1, 0x1.4ee162ba83a98p-57}},
    {{0x1.c7767ec7fd19ep-2, -0x1.eb14d1a3d5826p-58}, {0x1.ca90c9fc67d0bp-1, -0x1.46a81485e3462p-57}},
    {{0x1.ce9d2e3d4a51fp-2, -0x1.2fc8a12dae298p-57}, {0x1.c8c5bf8ce1a84p-1, 0x1.ab3d1a1590123p-56}},
    {{0x1.d5bca34047661p-2, 0x1.28a44a75fc29cp-56}, {0x1.c6f39208be53bp-1, -0x1.741dbfbaadb42p-55}},
    {{0x1.dcd4c15329c9ap-2, 0x1.0d4c6e171fd9ap-56}, {0x1.c51a48b8b175ep-1, -0x1.1bbb43b9aa88p-57}},
    {{0x1.e3e56c1582a69p-2, -0x1.0a4821099f88fp-58}, {0x1.c339eb01ddd81p-1, -0x1.caaf5ee82c5cp-55}},
    {{0x1.eaee8744b05fp-2, -0x1.789b43c9b027dp-58}, {0x1.c1528065b7d5p-1, -0x1.892111312e828p-55}},
    {{0x1.f1eff6bc4f97bp-2, 0x1.17212f8a7525cp-56}, {0x1.bf641081e7536p-1, 0x1.b7bd71628a9a1p-55}},
    {{0x1.f8e99e76abc97p-2, 0x1.9d950af2d00a3p-58}, {0x1.bd6ea310294f5p-1, 0x1.31bbcc88c109dp-56}},
    {{0x1.ffdb628d2f57ap-2, 0x1.f4a992e905b6ap-57}, {0x1.bb723fe630f32p-1, 0x1.72bd2452d0a39p-56}},
    {{0x1.0362939c69955p-1, -0x1.2d8cd78397b01p-55}, {0x1.b96eeef58840ep-1, 0x1.45a3cc78fadep-58}},
    {{0x1.06d3686946e5bp-1, 0x1.3f5ae4538ff1bp-55}, {0x1.b764b84b704c2p-1, -0x1.f5848c21b389bp-55}},
    {{0x1.0a4021e9e1001p-1, -0x1.6f643a13914f6p-55}, {0x1.b553a410c104ep-1, 0x1.8ff7947027a15p-58}},
    {{0x1.0da8b26b5672ep-1, -0x1.a58def0bee909p-55}, {0x1.b33bba89c8948p-1, 0x1.ea6a51d1f6ca9p-55}},
    {{0x1.110d0c4b69c3bp-1, 0x1.d918998809981p-55}, {0x1.b11d04162a4c6p-1, 0x1.1dd561efbc0c2p-56}},
    {{0x1.146d21f8b7f82p-1, 0x1.bf9535e2739a8p-56}, {0x1.aef78930bd275p-1, -0x1.f836279746f94p-56}},
    {{0x1.17c8e5f2eedbp-1, 0x1.35e57102e2488p-57}, {0x1.accb526f69de5p-1, 0x1.8fb6a8dd6b6ccp-55}},
    {{0x1.1b204acb02fddp-1, -0x1.f190c70cbb5fep-58}, {0x1.aa98688308913p-1, -0x1.b83d607cd5072p-63}},
    {{0x1.1e7343236574cp-1, 0x1.22a3fa4f41d5ap-56}, {0x1.a85ed4373e02dp-1, 0x1.9be06385ec792p-57}},
    {{0x1.21c1c1b0394cfp-1, 0x1.e5b324b23aa31p-58}, {0x1.a61e9e72586afp-1, 0x1.58330e2fd453fp-55}},
    {{0x1.250bb93788bbbp-1, 0x1.ea3d02457bccep-56}, {0x1.a3d7d0352bdcfp-1, -0x1.68dbaeca19669p-55}},
    {{0x1.28511c917a067p-1, -0x1.01df1d9a16b7p-55}, {0x1.a18a729aee445p-1, 0x1.95e25736c0357p-60}},
    {{0x1.2b91dea88421ep-1, -0x1.fa371db216abp-55}, {0x1.9f368ed912f85p-1, -0x1.1d200c5791606p-55}},
    {{0x1.2ecdf279a3082p-1, 0x1.d3557e0e7e37ep-55}, {0x1.9cdc2e3f25e5cp-1, 0x1.3f99112993f62p-55}},
    {{0x1.32054b148bc4fp-1, 0x1.f6b42095a135bp-55}, {0x1.9a7b5a36a6514p-1, 0x1.722cfcc9fa7a9p-55}},
    {{0x1.3537db9be0367p-1, 0x1.b327e7af040fp-57}, {0x1.98141c42e131p-1, 0x1.d1ff80488f08dp-55}},
    {{0x1.386597456282bp-1, -0x1.10fada93b07a8p-56}, {0x1.95a67e00cb1fdp-1, -0x1.0befda21f862dp-55}},
    {{0x1.3b8e715a2840ap-1, -0x1.97653a7d2f07ap-56}, {0x1.93328926d9e92p-1, -0x1.bb77003600cdap-55}},
    {{0x1.3eb25d36cd53ap-1, -0x1.be570e1570fcp-58}, {0x1.90b84784ddaf7p-1, -0x1.0feb10ab93b87p-56}},
    {{0x1.41d14e4ba679p-1, 0x1.4608fd287ecf5p-55}, {0x1.8e37c303d9ad1p-1, -0x1.463a4b53d4bf8p-57}},
    {{0x1.44eb381cf386bp-1, -0x1.3ed6c1e6a5505p-55}, {0x1.8bb105a5dc9p-1, 0x1.863e03e9474c1p-55}},
    {{0x1.48000e431159fp-1, -0x1.b194a7463ed1p-55}, {0x1.89241985d871fp-1, 0x1.c48d9c413ed84p-55}},
    {{0x1.4b0fc46aab761p-1, 0x1.0da05738cc59cp-61}, {0x1.869108d77a6c6p-1, 0x1.338ffe2bfe9ddp-56}},
    {{0x1.4e1a4e54ed51bp-1, -0x1.a492f89b7c76ap-55}, {0x1.83f7dde701cap-1, -0x1.152cf609bc6e8p-59}},
    {{0x1.511f9fd7b351cp-1, -0x1.5c0e861c48831p-55}, {0x1.8158a31916d5dp-1, -0x1.de8b90b8228dep-57}},
    {{0x1.541facddbb724p-1, 0x1.232c28520d391p-56}, {0x1.7eb362eaa1488p-1, 0x1.a1d65a4a5959fp-58}},
    {{0x1.571a6966d59b3p-1, 0x1.c843b4d0fb197p-58}, {0x1.7c0827f09e54fp-1, -0x1.c73d6d72aee68p-57}},
    {{0x1.5a0fc98813a12p-1, -0x1.d82e2b7d4227bp-55}, {0x1.7956fcd7f6543p-1, -0x1.ab276e9d45ae4p-55}},
    {{0x1.5cffc16bf8f0dp-1, 0x1.96cb370eb578ap-55}, {0x1.769fec655211fp-1, -0x1.827d5cf8c68c5p-57}},
    {{0x1.5fea4552a9e57p-1, 0x1.0b6cef7ee20b7p-55}, {0x1.73e30174efba1p-1, -0x1.5d3ae3d94ad5fp-57}},
    {{0x1.62cf49921ac79p-1, -0x1.edd9855b6241ap-55}, {0x1.712046fa77678p-1, 0x1.425b0a5029c81p-55}},
    {{0x1.65aec2963e755p-1, 0x1.126f96b71053cp-55}, {0x1.6e57c800cf55ep-1, 0x1.60286dedbd0a6p-55}},
    {{0x1.6888a4e134b2fp-1, -0x1.6b7d37644d5e6p-55}, {0x1.6b898fa9efb5dp-1, 0x1.15ac786ccf4b2p-56}},
    {{0x1.6b5ce50b7821ap-1, -0x1.5d5158f702e0fp-57}, {0x1.68b5a92eb6253p-1, -0x1.9a91ad985f89cp-55}},
};

// {atan hi, atan lo} of j/64
constexpr DoubleDouble kAtan[] = {
    {0x0p+0, 0x0p+0},
    {0x1.fff555bbb729bp-7, -0x1.220c39d4dff5p-61},
    {0x1.ffd55bba97625p-6, -0x1.5ec431444912cp-60},
    {0x1.7fb818430da2ap-5, -0x1.86ef8f794f105p-63},
    {0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60},
    {0x1.3f59f0e7c559dp-4, 0x1.ac4ce285df847p-58},
    {0x1.7ee182602f10fp-4, -0x1.cfb654c0c3d98p-58},
    {0x1.be39ebe6f07c3p-4, 0x1.f7b8f29a05987p-58},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.1e1fafb043727p-3, -0x1.b485914dacf8cp-59},
    {0x1.3d6eee8c6626cp-3, 0x1.61a3b0ce9281bp-57},
    {0x1.5c9811e3ec26ap-3, -0x1.054ab2c010f3dp-58},
    {0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58},
    {0x1.9a6a8e96c8626p-3, 0x1.cf601e7b4348ep-59},
    {0x1.b90d7529260a2p-3, 0x1.17b10d2e0e5abp-61},
    {0x1.d77d5df205736p-3, 0x1.c648d1534597ep-57},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.09dc597d86362p-2, 0x1.62e47390cb865p-56},
    {0x1.18bf5a30bf178p-2, 0x1.30ca4748b1bf9p-57},
    {0x1.278372057ef46p-2, -0x1.077cdd36dfc81p-56},
    {0x1.362773707ebccp-2, -0x1.963a544b672d8p-57},
    {0x1.44aa436c2af0ap-2, -0x1.5d5e43c55b3bap-56},
    {0x1.530ad9951cd4ap-2, -0x1.2566480884082p-57},
    {0x1.614840309cfe2p-2, -0x1.a725715711fp-56},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.7d5604b63b3f7p-2, 0x1.69c885c2b249ap-56},
    {0x1.8b24d394a1b25p-2, 0x1.b6d0ba3748fa8p-56},
    {0x1.98cd5454d6b18p-2, 0x1.9e6c988fd0a77p-56},
    {0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56},
    {0x1.b3a911da65c6cp-2, 0x1.ae187b1ca504p-56},
    {0x1.c0db4c94ec9fp-2, -0x1.cc1ce70934c34p-56},
    {0x1.cde53432c1351p-2, -0x1.a2cfa4418f1adp-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.e77eb7f175a34p-2, 0x1.0e53dc1bf3435p-56},
    {0x1.f40dd0b541418p-2, -0x1.a3992dc382a23p-57},
    {0x1.0039c73c1a40cp-1, -0x1.b32c949c9d593p-55},
    {0x1.0657e94db30dp-1, -0x1.d5b495f6349e6p-56},
    {0x1.0c6145b5b43dap-1, 0x1.974fa13b5404fp-58},
    {0x1.1255d9bfbd2a9p-1, -0x1.2bdaee1c0ee35p-58},
    {0x1.1835a88be7c13p-1, 0x1.c621cec00c301p-55},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.23b71e2cc9e6ap-1, 0x1.c421c9f38224ep-57},
    {0x1.2958e59308e31p-1, -0x1.09e73b0c6c087p-56},
    {0x1.2ee628406cbcap-1, 0x1.c5d5e9ff0cf8dp-55},
    {0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55},
    {0x1.39c391cd4171ap-1, -0x1.2304331d8bf46p-55},
    {0x1.3f13fb89e96f4p-1, 0x1.ecf8b492644fp-56},
    {0x1.445065b795b56p-1, -0x1.f76d0163f79c8p-56},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.4e8de5bb6ec04p-1, 0x1.4a33dbeb3796cp-55},
    {0x1.538f57b89061fp-1, -0x1.1bb74abda520cp-55},
    {0x1.587d81f732fbbp-1, -0x1.5e5c9d8c5a95p-56},
    {0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57},
    {0x1.6220d115d7b8ep-1, -0x1.2b785350ee8c1p-57},
    {0x1.66d663923e087p-1, -0x1.6ea6febe8bbbap-56},
    {0x1.6b798920b3d99p-1, -0x1.a80386188c50ep-55},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.748978fba8e0fp-1, 0x1.7b2a6165884a1p-59},
    {0x1.78f6bbd5d315ep-1, 0x1.406a08980374p-55},
    {0x1.7d528289fa093p-1, 0x1.560821e2f3aa9p-55},
    {0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56},
    {0x1.85d69576cc2c5p-1, 0x1.6b66e7fc8b8c3p-57},
    {0x1.89ff5ff57f1f8p-1, -0x1.55b9a5e177a1bp-55},
    {0x1.8e17aa99cc05ep-1, -0x1.ec182ab042f61p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 in magnitude
// to an integer (round to nearest even).
constexpr double kRoundToInteger = 0x1.8p52;
constexpr double kSplitter = 134217729.0;  // 2^27 + 1

// --- exact building blocks -------------------------------------------------

inline double magnitude(double x) { return x < 0 ? -x : x; }

// a + b exactly, as s + e.
inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly when |a| >= |b| or a == 0.
inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a * b exactly, as p + e (Dekker's product; |a|, |b| below 2^995).
inline DoubleDouble twoProduct(double a, double b) {
    const double p = a * b;
    const double ca = kSplitter * a;
    const double ah = ca - (ca - a);
    const double al = a - ah;
    const double cb = kSplitter * b;
    const double bh = cb - (cb - b);
    const double bl = b - bh;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

inline DoubleDouble negate(DoubleDouble a) { return {-a.hi, -a.lo}; }

inline DoubleDouble add(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble s = twoSum(a.hi, b.hi);
    const DoubleDouble t = twoSum(a.lo, b.lo);
    DoubleDouble u = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(u.hi, u.lo + t.lo);
}

inline DoubleDouble multiply(DoubleDouble a, DoubleDouble b) {
    DoubleDouble p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DoubleDouble multiply(DoubleDouble a, double b) {
    DoubleDouble p = twoProduct(a.hi, b);
    return fastTwoSum(p.hi, p.lo + a.lo * b);
}

// a / b to about 2^-104.
inline DoubleDouble divide(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    DoubleDouble r = add(a, negate(multiply(b, q1)));
    const double q2 = r.hi / b.hi;
    r = add(r, negate(multiply(b, q2)));
    const double q3 = r.hi / b.hi;
    return add(fastTwoSum(q1, q2), {q3, 0.0});
}

// a / b to about 2^-100 for the common path; a and b normalized.
inline DoubleDouble divideFast(DoubleDouble a, DoubleDouble b) {
    const double q = a.hi / b.hi;
    const DoubleDouble p = twoProduct(q, b.hi);
    const double r = (((a.hi - p.hi) - p.lo) + a.lo - q * b.lo) / b.hi;
    return fastTwoSum(q, r);
}

inline double squareRoot(double x) {
#if defined(__SSE2__)
    return _mm_cvtsd_f64(_mm_sqrt_sd(_mm_setzero_pd(), _mm_set_sd(x)));
#else
    return __builtin_sqrt(x);
#endif
}

// sqrt(a) to about 2^-104, a > 0.
inline DoubleDouble squareRoot(DoubleDouble a) {
    const double s = squareRoot(a.hi);
    const DoubleDouble p = twoProduct(s, s);
    const double correction = (((a.hi - p.hi) - p.lo) + a.lo) / (2.0 * s);
    return fastTwoSum(s, correction);
}

// The double nearest to v.hi + v.lo when an error of `error` either way
// cannot change it; false otherwise.
inline bool decide(DoubleDouble v, double error, double& result) {
    const double low = v.hi + (v.lo - error);
    const double high = v.hi + (v.lo + error);
    if (low != high) return false;
    result = low;
    return true;
}

inline double powerOfTwo(int exponent) {  // -1022 <= exponent <= 1023
    const uint64_t bits = static_cast<uint64_t>(exponent + 1023) << 52;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// --- argument reduction ----------------------------------------------------

struct Reduced {
    int quadrant;    // k mod 4
    DoubleDouble r;  // x - k pi/2
    double error;    // bound on the absolute error of r
};

// x - k pi/2 for x >= 2^20: the product of x's 53-bit significand with the
// bits of 2/pi in 24-bit pieces, each product exact, summed modulo 4.
Reduced reduceLarge(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1075;  // x = m 2^exponent
    const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const double mHigh = static_cast<double>(m >> 27);  // 26 bits, times 2^27
    const double mLow = static_cast<double>(m & ((uint64_t{1} << 27) - 1));
    // Chunk i is worth chunk 2^(-24 (i + 1)); products whose last bit is
    // worth 4 or more vanish modulo 4.
    const int first = exponent <= 1 ? 0 : (exponent + 22) / 24 - 1;
    DoubleDouble sum = {0.0, 0.0};
    auto addModulo4 = [&sum](double term) {
        if (magnitude(term) >= 0x1p53) return;  // a multiple of 8
        term = term - ((term + 0x1.8p54) - 0x1.8p54);
        const DoubleDouble s = twoSum(sum.hi, term);
        const double wrapped = s.hi - ((s.hi + 0x1.8p54) - 0x1.8p54);
        sum = {wrapped, sum.lo + s.lo};
    };
    for (int i = first; i < first + 8 && i < 50; ++i) {
        const double chunk = kTwoOverPiChunks[i];
        const int scale = exponent - 24 * (i + 1);
        addModulo4(mHigh * chunk * powerOfTwo(scale + 27));
        addModulo4(mLow * chunk * powerOfTwo(scale));
    }
    const double k = (sum.hi + kRoundToInteger) - kRoundToInteger;
    const DoubleDouble fraction = fastTwoSum(sum.hi - k, sum.lo);
    const int quadrant = static_cast<int>(k) & 3;
    return {quadrant, multiply(fraction, kHalfPiPair), 0x1p-98};
}

// x - k pi/2 with |r| <= pi/4 (a little more where k rounds to even), x >= 0.
inline Reduced reduce(double x) {
    if (x <= 0x1.921fb54442d18p-1) return {0, {x, 0.0}, 0.0};
    if (x >= 0x1p20) return reduceLarge(x);
    const double k = (x * kTwoOverPi + kRoundToInteger) - kRoundToInteger;
    const double s = x - k * kHalfPi1;  // exact: k kHalfPi1 is exact and near x
    const DoubleDouble a = twoSum(s, -(k * kHalfPi2));
    const DoubleDouble b = twoSum(a.hi, -(k * kHalfPi3));
    const DoubleDouble c = twoSum(b.hi, -(k * kHalfPi4));
    return {static_cast<int>(k) & 3, fastTwoSum(c.hi, (a.lo + b.lo) + c.lo), 0x1p-110};
}

// --- sin and cos of a reduced argument -------------------------------------

struct Split {
    int index;      // i, the table entry i/128
    double t;       // r - i/128, exact
    double tLow;    // the low part of r
    bool negative;  // r < 0; t and tLow belong to |r|
};

inline Split split(const Reduced& reduced) {
    const bool negative = reduced.r.hi < 0;
    const double rh = negative ? -reduced.r.hi : reduced.r.hi;
    const double rl = negative ? -reduced.r.lo : reduced.r.lo;
    const int index = static_cast<int>(rh * 128.0 + 0.5);
    return {index, rh - index * 0.0078125, rl, negative};
}

// The tails of i/128 + t + tLow that the common path of sin and cos shares.
struct Tails {
    double sinTail;  // sin t - t
    double cosTail;  // cos t - 1
};

inline Tails tailsOf(const Split& p) {
    const double t = p.t;
    const double t2 = t * t;
    const double sinTail = t * t2 * (-1.0 / 6 + t2 * (1.0 / 120 + t2 * (-1.0 / 5040)));
    const double cosTail = t2 * (-0.5 + t2 * (1.0 / 24 + t2 * (-1.0 / 720 + t2 * (1.0 / 40320)))) - t * p.tLow;
    return {sinTail, cosTail};
}

// sin (cosine false) or cos (cosine true) of i/128 + t + tLow, to about
// 2^-66 relative.
inline DoubleDouble sinCosFast(bool cosine, const Split& p, const Tails& tails) {
    const SinCosPair& a = kSinCos[p.index];
    const double t = p.t;
    const double sinTail = tails.sinTail;
    const double cosTail = tails.cosTail;
    if (!cosine) {
        const DoubleDouble q = twoProduct(a.cos.hi, t);
        DoubleDouble v = fastTwoSum(a.sin.hi, q.hi);
        v.lo += q.lo + a.sin.lo + a.sin.hi * cosTail + a.cos.hi * (p.tLow + sinTail) + a.cos.lo * t;
        return v;
    }
    const DoubleDouble q = twoProduct(a.sin.hi, t);
    DoubleDouble v = fastTwoSum(a.cos.hi, -q.hi);
    v.lo += -q.lo + a.cos.lo + a.cos.hi * cosTail - a.sin.hi * (p.tLow + sinTail) - a.sin.lo * t;
    return v;
}

DoubleDouble sinCosFast(bool cosine, const Split& p) { return sinCosFast(cosine, p, tailsOf(p)); }

// The same to about 2^-102, in double-double arithmetic.
DoubleDouble sinCosAccurate(bool cosine, const Split& p) {
    const SinCosPair& a = kSinCos[p.index];
    const DoubleDouble t = twoSum(p.t, p.tLow);
    const DoubleDouble u = multiply(t, t);
    const double sinRest = -1.0 / 5040 + u.hi * (1.0 / 362880 + u.hi * (-1.0 / 39916800));
    DoubleDouble q = add(kInverse120, {u.hi * sinRest, 0.0});
    q = add(negate(kInverse6), multiply(u, q));
    const DoubleDouble sinTail = multiply(multiply(t, u), q);  // sin t - t
    const double cosRest = -1.0 / 720 + u.hi * (1.0 / 40320 + u.hi * (-1.0 / 3628800));
    DoubleDouble c = add(kInverse24, {u.hi * cosRest, 0.0});
    c = add({-0.5, 0.0}, multiply(u, c));
    const DoubleDouble cosTail = multiply(u, c);  // cos t - 1
    if (!cosine) {
        return add(add(a.sin, multiply(a.sin, cosTail)), add(multiply(a.cos, t), multiply(a.cos, sinTail)));
    }
    return add(add(a.cos, multiply(a.cos, cosTail)), negate(add(multiply(a.sin, t), multiply(a.sin, sinTail))));
}

// Relative error bound of a result computed from a reduced argument: the
// evaluation's own bound plus what the reduction error can do near a zero
// of sin or cos.
inline double reducedBound(double evaluation, const Reduced& reduced) {
    const double rh = magnitude(reduced.r.hi);
    return reduced.error == 0.0 ? evaluation : evaluation + 2.0 * reduced.error / rh;
}

// sin (cosine false) or cos of x >= 0, finite, from its reduced argument.
inline bool sinCosFast(bool cosine, const Reduced& reduced, const Split& p, const Tails& tails, double& result) {
    // sin x = sin r, cos r, -sin r, -cos r and cos x = cos r, -sin r, -cos r,
    // sin r for k = 0, 1, 2, 3.
    const int quadrant = (reduced.quadrant + (cosine ? 1 : 0)) & 3;
    const bool useCos = (quadrant & 1) != 0;
    DoubleDouble v = sinCosFast(useCos, p, tails);
    bool negative = quadrant >= 2;
    if (!useCos && p.negative) negative = !negative;
    if (!decide(v, reducedBound(0x1p-63, reduced) * magnitude(v.hi), result)) return false;
    if (negative) result = -result;
    return true;
}

// sin (cosine false) or cos of x >= 0, finite.
bool sinCosFast(bool cosine, double x, double& result) {
    const Reduced reduced = reduce(x);
    const Split p = split(reduced);
    return sinCosFast(cosine, reduced, p, tailsOf(p), result);
}

double sinCosAccurate(bool cosine, double x) {
    const Reduced reduced = reduce(x);
    const Split p = split(reduced);
    const int quadrant = (reduced.quadrant + (cosine ? 1 : 0)) & 3;
    const bool useCos = (quadrant & 1) != 0;
    const DoubleDouble v = sinCosAccurate(useCos, p);
    bool negative = quadrant >= 2;
    if (!useCos && p.negative) negative = !negative;
    const double result = v.hi + v.lo;
    return negative ? -result : result;
}

// tan of x >= 0, finite: sin r / cos r for even k, -cos r / sin r for odd k.
bool tanFast(double x, double& result) {
    const Reduced reduced = reduce(x);
    const Split p = split(reduced);
    // divideFast wants normalized pairs (|lo| within half an ulp of hi).
    DoubleDouble s = sinCosFast(false, p);
    s = fastTwoSum(s.hi, s.lo);
    DoubleDouble c = sinCosFast(true, p);
    c = fastTwoSum(c.hi, c.lo);
    const bool odd = (reduced.quadrant & 1) != 0;
    const DoubleDouble v = odd ? divideFast(c, s) : divideFast(s, c);
    if (!decide(v, reducedBound(0x1p-62, reduced) * magnitude(v.hi), result)) return false;
    if (odd != p.negative) result = -result;
    return true;
}

double tanAccurate(double x) {
    const Reduced reduced = reduce(x);
    const Split p = split(reduced);
    const DoubleDouble s = sinCosAccurate(false, p);
    const DoubleDouble c = sinCosAccurate(true, p);
    const bool odd = (reduced.quadrant & 1) != 0;
    const DoubleDouble v = odd ? divide(c, s) : divide(s, c);
    const double result = v.hi + v.lo;
    return odd != p.negative ? -result : result;
}

// --- atan ------------------------------------------------------------------

struct AtanSplit {
    int index;       // j, the table entry j/64
    DoubleDouble w;  // (z - j/64) / (1 + z j/64)
};

template <bool accurate>
AtanSplit atanSplit(DoubleDouble z) {  // 0 <= z <= 1
    const int index = static_cast<int>(z.hi * 64.0 + 0.5);
    const double b = index * 0.015625;
    const DoubleDouble numerator = twoSum(z.hi - b, z.lo);  // z.hi - b is exact
    DoubleDouble zb = twoProduct(z.hi, b);
    zb.lo += z.lo * b;
    DoubleDouble denominator = fastTwoSum(1.0, zb.hi);
    denominator = fastTwoSum(denominator.hi, denominator.lo + zb.lo);
    return {index, accurate ? divide(numerator, denominator) : divideFast(numerator, denominator)};
}

// atan z for 0 <= z <= 1, to about 2^-66 relative.
DoubleDouble atanFast(DoubleDouble z) {
    const AtanSplit p = atanSplit<false>(z);
    const double w = p.w.hi;
    const double w2 = w * w;
    const double tail =
        w * w2 * (-1.0 / 3 + w2 * (1.0 / 5 + w2 * (-1.0 / 7 + w2 * (1.0 / 9 + w2 * (-1.0 / 11)))));
    const DoubleDouble a = kAtan[p.index];
    DoubleDouble v = fastTwoSum(a.hi, w);
    v.lo += a.lo + p.w.lo + tail;
    return v;
}

// The same to about 2^-102.
DoubleDouble atanAccurate(DoubleDouble z) {
    const AtanSplit p = atanSplit<true>(z);
    const DoubleDouble u = multiply(p.w, p.w);
    const double rest = 1.0 / 9 + u.hi * (-1.0 / 11 + u.hi * (1.0 / 13 + u.hi * (-1.0 / 15)));
    DoubleDouble q = add(negate(kInverse7), {u.hi * rest, 0.0});
    q = add(kInverse5, multiply(u, q));
    q = add(negate(kInverse3), multiply(u, q));
    const DoubleDouble tail = multiply(multiply(p.w, u), q);  // atan w - w
    return add(kAtan[p.index], add(p.w, tail));
}

template <bool accurate>
DoubleDouble atanOfUnit(DoubleDouble z) {
    return accurate ? atanAccurate(z) : atanFast(z);
}

// atan |x| for 2^-27 <= |x| <= 2^54.
template <bool accurate>
DoubleDouble atanPositive(double ax) {
    if (ax <= 1.0) return atanOfUnit<accurate>({ax, 0.0});
    // pi/2 - atan(1/x), with 1/x as a pair.
    const double zh = 1.0 / ax;
    const DoubleDouble p = twoProduct(zh, ax);
    const DoubleDouble z = fastTwoSum(zh, ((1.0 - p.hi) - p.lo) / ax);
    return add(kHalfPiPair, negate(atanOfUnit<accurate>(z)));
}

// --- acos ------------------------------------------------------------------

// acos x for 0 < |x| < 1.
template <bool accurate>
DoubleDouble acosInside(double x) {
    const double ax = magnitude(x);
    // 1 - x^2 as a pair: (1 - |x|)(1 + |x|) where 1 - |x| is exact.
    DoubleDouble v;
    if (ax >= 0.5) {
        v = multiply(twoSum(1.0, ax), 1.0 - ax);
    } else {
        const DoubleDouble p = twoProduct(ax, ax);
        v = fastTwoSum(1.0, -p.hi);
        v = fastTwoSum(v.hi, v.lo - p.lo);
    }
    const DoubleDouble s = squareRoot(v);  // sin(acos x)
    const DoubleDouble c = {ax, 0.0};
    if (ax <= s.hi) {
        // pi/2 - atan(x / s)
        const DoubleDouble z = accurate ? divide(c, s) : divideFast(c, s);
        const DoubleDouble a = atanOfUnit<accurate>(z);
        return add(kHalfPiPair, x < 0 ? a : negate(a));
    }
    const DoubleDouble z = accurate ? divide(s, c) : divideFast(s, c);
    const DoubleDouble a = atanOfUnit<accurate>(z);
    return x < 0 ? add(kPiPair, negate(a)) : a;
}

bool acosSpecial(double x, double& result) {
    if (!(magnitude(x) <= 1.0)) {
        result = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (x == 1.0) {
        result = 0.0;
        return true;
    }
    if (x == -1.0) {
        result = kPiPair.hi;
        return true;
    }
    if (x == 0.0) {
        result = kHalfPiPair.hi;
        return true;
    }
    return false;
}

bool atanSpecial(double x, double& result) {
    const double ax = magnitude(x);
    if (ax != ax) {
        result = x + x;
        return true;
    }
    if (ax < 0x1p-27) {  // atan x = x (1 - x^2/3 + ...) rounds to x
        result = x;
        return true;
    }
    if (ax > 0x1p54) {  // pi/2 - 1/x rounds to the double nearest pi/2
        result = x < 0 ? -kHalfPiPair.hi : kHalfPiPair.hi;
        return true;
    }
    return false;
}

}  // namespace

namespace detail {

bool fast(Function f, double x, double& result) {
    const double ax = magnitude(x);
    switch (f) {
        case Function::sin:
        case Function::cos:
        case Function::tan: {
            if (!(ax <= std::numeric_limits<double>::max())) {  // NaN, infinity
                result = x - x;
                return true;
            }
            if (f == Function::cos) {
                if (ax < 0x1p-27) {  // 1 - x^2/2 rounds to 1
                    result = 1.0;
                    return true;
                }
                return sinCosFast(true, ax, result);
            }
            if (ax < 0x1p-27) {  // x -/+ x^3/3! rounds to x
                result = x;
                return true;
            }
            double r = 0.0;
            if (!(f == Function::sin ? sinCosFast(false, ax, r) : tanFast(ax, r))) return false;
            result = x < 0 ? -r : r;
            return true;
        }
        case Function::atan: {
            if (atanSpecial(x, result)) return true;
            const DoubleDouble v = atanPositive<false>(ax);
            if (!decide(v, 0x1p-63 * v.hi, result)) return false;
            if (x < 0) result = -result;
            return true;
        }
        case Function::acos: {
            if (acosSpecial(x, result)) return true;
            const DoubleDouble v = acosInside<false>(x);
            return decide(v, 0x1p-62 * v.hi, result);
        }
    }
    return false;
}

double accurate(Function f, double x) {
    double result;
    const double ax = magnitude(x);
    switch (f) {
        case Function::sin:
        case Function::cos:
        case Function::tan: {
            if (!(ax <= std::numeric_limits<double>::max())) return x - x;
            if (ax < 0x1p-27) return f == Function::cos ? 1.0 : x;
            double r;
            if (f == Function::cos) return sinCosAccurate(true, ax);
            r = f == Function::sin ? sinCosAccurate(false, ax) : tanAccurate(ax);
            return x < 0 ? -r : r;
        }
        case Function::atan: {
            if (atanSpecial(x, result)) return result;
            const DoubleDouble v = atanPositive<true>(ax);
            return x < 0 ? -(v.hi + v.lo) : v.hi + v.lo;
        }
        case Function::acos: {
            if (acosSpecial(x, result)) return result;
            const DoubleDouble v = acosInside<true>(x);
            return v.hi + v.lo;
        }
    }
    return x - x;
}

}  // namespace detail

double sin(double x) {
    double result;
    return detail::fast(detail::Function::sin, x, result) ? result : detail::accurate(detail::Function::sin, x);
}

double cos(double x) {
    double result;
    return detail::fast(detail::Function::cos, x, result) ? result : detail::accurate(detail::Function::cos, x);
}

void sinCos(double x, double& sine, double& cosine) {
    const double ax = magnitude(x);
    // Outside the common range of both (tiny, infinite or NaN) each goes its own way.
    if (!(ax <= std::numeric_limits<double>::max()) || ax < 0x1p-27) {
        sine = sin(x);
        cosine = cos(x);
        return;
    }
    const Reduced reduced = reduce(ax);
    const Split p = split(reduced);
    const Tails tails = tailsOf(p);
    double r = 0.0;
    if (sinCosFast(false, reduced, p, tails, r)) {
        sine = x < 0 ? -r : r;
    } else {
        sine = detail::accurate(detail::Function::sin, x);
    }
    if (!sinCosFast(true, reduced, p, tails, cosine)) cosine = detail::accurate(detail::Function::cos, x);
}

double tan(double x) {
    double result;
    return detail::fast(detail::Function::tan, x, result) ? result : detail::accurate(detail::Function::tan, x);
}

double atan(double x) {
    double result;
    return detail::fast(detail::Function::atan, x, result) ? result : detail::accurate(detail::Function::atan, x);
}

double acos(double x) {
    double result;
    return detail::fast(detail::Function::acos, x, result) ? result : detail::accurate(detail::Function::acos, x);
}

}  // namespace kwarel::elementary
