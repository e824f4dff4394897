#include "model/curve_power.h"

#include <emmintrin.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <limits>

// The error-free transformations below assume every double operation is rounded exactly once.
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD != 0
#error "curve_power.cpp needs double evaluation in double precision (use -msse2 -mfpmath=sse)"
#endif
#if defined(__FAST_MATH__)
#error "curve_power.cpp must not be built with -ffast-math"
#endif

namespace {

// hi + lo with |lo| about ulp(hi) / 2 or less.
struct DoubleDouble {
  double hi, lo;
};

struct LogEntry1 {
  double inv, logHi, logLo;
};

// BEGIN GENERATED TABLES (tools/gen_curve_power_tables.py)
// clang-format off
// |z * inv1 - 1| <= 0.0113525; |r| <= 3.23607e-05 (2^-14.92).
constexpr uint64_t kLogOffsetBits = 0x3FE6A00000000000;
constexpr int kLog1First = 45;
constexpr int kLog1Last = 90;
constexpr int kLog2First = -178;
constexpr int kLog2Last = 189;
constexpr double kLn2Hi = 0x1.62e42fefa3800p-1;
constexpr double kLn2Lo = 0x1.ef35793c76730p-45;
constexpr double kExpInvStep = 0x1.71547652b82fep+10;  // 2^10 / ln 2
constexpr double kExpStepHi = 0x1.62e42ff000000p-11;
constexpr double kExpStepMid = -0x1.718432a200000p-45;
constexpr double kExpStepLo = 0x1.3c7673007e5edp-79;

// {inv1, -log(inv1) hi, lo} for i = kLog1First..kLog1Last.
constexpr LogEntry1 kLog1[46] = {
    {0x1.6c00000000000p+0, -0x1.686c81e9b14afp-2, 0x1.ddea0f7f58e3dp-57},  // 45
    {0x1.6400000000000p+0, -0x1.51aad872df82dp-2, -0x1.3927ac19f55e3p-59},  // 46
    {0x1.5c80000000000p+0, -0x1.3bdd24eb14b6ap-2, -0x1.2da3c6449a7d0p-58},  // 47
    {0x1.5580000000000p+0, -0x1.27161913f853dp-2, -0x1.e3ec2ac9676b8p-57},  // 48
    {0x1.4e80000000000p+0, -0x1.11e0e2dad9cb7p-2, -0x1.dc0cc6917022bp-63},  // 49
    {0x1.4780000000000p+0, -0x1.f871b28955045p-3, -0x1.4ad6c8812d31ap-63},  // 50
    {0x1.4180000000000p+0, -0x1.d293581b6b3e7p-3, 0x1.c04a2aa97ac8ep-58},  // 51
    {0x1.3b00000000000p+0, -0x1.a8becfc882f19p-3, 0x1.e8c37918c39ebp-58},  // 52
    {0x1.3500000000000p+0, -0x1.815c0a14357ebp-3, 0x1.4be48073a0564p-58},  // 53
    {0x1.2f80000000000p+0, -0x1.5c940075972b9p-3, -0x1.adccb73379cc5p-58},  // 54
    {0x1.2a00000000000p+0, -0x1.371fc201e8f74p-3, -0x1.de6cb62af18a0p-58},  // 55
    {0x1.2480000000000p+0, -0x1.10f8e422539b1p-3, -0x1.8f798d39f1b7dp-58},  // 56
    {0x1.1f80000000000p+0, -0x1.db5270187d927p-4, -0x1.e15ab8607d2acp-58},  // 57
    {0x1.1a80000000000p+0, -0x1.9375e55595edep-4, 0x1.e463f9e4dd920p-59},  // 58
    {0x1.1580000000000p+0, -0x1.4a50d3aa1b040p-4, -0x1.ecf768c1dd57bp-61},  // 59
    {0x1.1100000000000p+0, -0x1.075983598e471p-4, -0x1.80da5333c45b8p-59},  // 60
    {0x1.0c80000000000p+0, -0x1.868a83083f6cfp-5, 0x1.d09a5634943dbp-61},  // 61
    {0x1.0880000000000p+0, -0x1.0b94f7c196176p-5, -0x1.da43f761f4dc4p-59},  // 62
    {0x1.0400000000000p+0, -0x1.fc0a8b0fc03e4p-7, 0x1.83092c59642a1p-62},  // 63
    {0x1.0000000000000p+0, 0x0.0p+0, 0x0.0p+0},  // 64
    {0x1.f800000000000p-1, 0x1.0205658935847p-6, 0x1.27c8e8416e71fp-60},  // 65
    {0x1.f080000000000p-1, 0x1.f7a9b16782856p-6, -0x1.36c720c147756p-60},  // 66
    {0x1.e900000000000p-1, 0x1.788595a3577bap-5, 0x1.e5ef898b67923p-59},  // 67
    {0x1.e200000000000p-1, 0x1.eea31c006b87cp-5, -0x1.3e4fc93b7b66cp-59},  // 68
    {0x1.db00000000000p-1, 0x1.333d7f8183f4bp-4, 0x1.a92afc8ef70b1p-58},  // 69
    {0x1.d400000000000p-1, 0x1.700d30aeac0e1p-4, -0x1.72566212cdd05p-61},  // 70
    {0x1.cd80000000000p-1, 0x1.a956d3ecade63p-4, 0x1.e5300b12bd55ep-58},  // 71
    {0x1.c700000000000p-1, 0x1.e3707ee30487bp-4, 0x1.09ccecd579d99p-58},  // 72
    {0x1.c100000000000p-1, 0x1.0ce7ecdccc28dp-3, -0x1.692a0055dc959p-57},  // 73
    {0x1.bb00000000000p-1, 0x1.28753bc11aba5p-3, -0x1.6394d9fa33311p-57},  // 74
    {0x1.b500000000000p-1, 0x1.4462b9dc9b3dcp-3, -0x1.629c46c186385p-58},  // 75
    {0x1.af00000000000p-1, 0x1.60b3100b09476p-3, -0x1.5b2623e05016bp-58},  // 76
    {0x1.a980000000000p-1, 0x1.7b0091651528cp-3, 0x1.4069f303518c8p-57},  // 77
    {0x1.a400000000000p-1, 0x1.95a5adcf7017fp-3, 0x1.142c507fb7a3dp-58},  // 78
    {0x1.9f00000000000p-1, 0x1.ae2ca6f672bd4p-3, 0x1.ab5ca9eaa088ap-57},  // 79
    {0x1.9980000000000p-1, 0x1.c97f8079d44ecp-3, 0x1.61a8c6e6c4ee7p-57},  // 80
    {0x1.9480000000000p-1, 0x1.e2a877a6b2c12p-3, -0x1.fa21e3df99430p-58},  // 81
    {0x1.8f80000000000p-1, 0x1.fc218be620a5ep-3, -0x1.6e438c258187fp-58},  // 82
    {0x1.8b00000000000p-1, 0x1.09aa572e6c6d4p-2, 0x1.43c2e68684d53p-57},  // 83
    {0x1.8600000000000p-1, 0x1.16b5ccbacfb73p-2, 0x1.66fbd28b40935p-56},  // 84
    {0x1.8180000000000p-1, 0x1.22981fbef797bp-2, -0x1.0b04ac06cebe0p-59},  // 85
    {0x1.7d00000000000p-1, 0x1.2e9e2bce12286p-2, 0x1.8251a3b83d97ap-62},  // 86
    {0x1.7880000000000p-1, 0x1.3ac8ca38e5c5fp-2, -0x1.f7de015f253eep-56},  // 87
    {0x1.7480000000000p-1, 0x1.45b8c0a17df13p-2, 0x1.dbe305eaf5a20p-56},  // 88
    {0x1.7000000000000p-1, 0x1.522ae0738a3d8p-2, -0x1.8f7e9b38a6979p-57},  // 89
    {0x1.6c00000000000p-1, 0x1.5d5bddf595f30p-2, -0x1.6541148cbb8a2p-56},  // 90
};

// -log(1 + m 2^-14) hi, lo for m = kLog2First..kLog2Last.
constexpr DoubleDouble kLog2[368] = {
    {0x1.65f2ad7933a84p-7, -0x1.12bb7f2a9c29ep-62},
    {0x1.63ed11ebc6b26p-7, -0x1.f974e1bfd8639p-61},
    {0x1.61e77e8b53fc6p-7, 0x1.1507150cb4034p-64},
    {0x1.5fe1f35799694p-7, -0x1.ab3176e8ec64cp-61},
    {0x1.5ddc705054deep-7, 0x1.a0f5235632fd5p-61},
    {0x1.5bd6f57544469p-7, -0x1.0f7c35b6f0cb1p-62},
    {0x1.59d182c6258c7p-7, 0x1.ac85303322986p-61},
    {0x1.57cc1842b6a01p-7, -0x1.9c7560252e410p-61},
    {0x1.55c6b5eab573dp-7, 0x1.4e42941becb30p-66},
    {0x1.53c15bbddffd7p-7, 0x1.4909bf6c18e2dp-61},
    {0x1.51bc09bbf435cp-7, 0x1.ea5258a3c66d4p-62},
    {0x1.4fb6bfe4b018bp-7, -0x1.f9f2b31cd7b0fp-61},
    {0x1.4db17e37d1a53p-7, -0x1.e129f87c58216p-63},
    {0x1.4bac44b516dd8p-7, 0x1.1c834880945e6p-62},
    {0x1.49a7135c3dc6fp-7, 0x1.4a886b2eda58dp-64},
    {0x1.47a1ea2d0469ep-7, 0x1.57629e800cfcbp-61},
    {0x1.459cc92728d1fp-7, -0x1.06ca391772090p-61},
    {0x1.4397b04a690dbp-7, -0x1.d69bb45c1b05ep-64},
    {0x1.41929f96832f0p-7, -0x1.c5517f64bc223p-61},
    {0x1.3f8d970b354abp-7, 0x1.2b19c2b8079bbp-62},
    {0x1.3d8896a83d78ep-7, 0x1.82cef992d16c9p-62},
    {0x1.3b839e6d59d4bp-7, 0x1.344b008f557d4p-63},
    {0x1.397eae5a487c6p-7, 0x1.77facda722033p-63},
    {0x1.3779c66ec7915p-7, 0x1.a39ef64667b01p-61},
    {0x1.3574e6aa95381p-7, 0x1.2b4eed18736f2p-63},
    {0x1.33700f0d6f983p-7, -0x1.d587d8d93e6d2p-66},
    {0x1.316b3f9714dc7p-7, -0x1.9ba2d54e18d53p-63},
    {0x1.2f6678474332ap-7, 0x1.9bc4135fa52ecp-61},
    {0x1.2d61b91db8cbdp-7, -0x1.8796f178d2cd4p-63},
    {0x1.2b5d021a33dc0p-7, -0x1.7c9d9e846fb13p-61},
    {0x1.2958533c729a6p-7, -0x1.9f23c070c2c3cp-61},
    {0x1.2753ac8433414p-7, -0x1.8ed1166953f0cp-61},
    {0x1.254f0df1340e0p-7, 0x1.07d98e670e629p-61},
    {0x1.234a778333414p-7, -0x1.ed6a6275b167ep-63},
    {0x1.2145e939ef1e9p-7, -0x1.b8e762c009922p-61},
    {0x1.1f41631525ecap-7, 0x1.43d4541ff62b7p-62},
    {0x1.1d3ce51495f56p-7, 0x1.9ced70d1d92c9p-62},
    {0x1.1b386f37fd85cp-7, -0x1.fc9805fd8f11fp-65},
    {0x1.1934017f1aedcp-7, 0x1.b8341cf9c22a9p-61},
    {0x1.172f9be9ac80ap-7, 0x1.f108d36ce054bp-62},
    {0x1.152b3e777094ap-7, -0x1.0840b21856fd1p-61},
    {0x1.1326e92825831p-7, -0x1.2e19c0371187bp-63},
    {0x1.11229bfb89a87p-7, 0x1.c8bfa0a761f3fp-61},
    {0x1.0f1e56f15b647p-7, -0x1.a26e9c2388adfp-61},
    {0x1.0d1a1a0959199p-7, 0x1.1e5ef56972c83p-61},
    {0x1.0b15e543412dcp-7, 0x1.643353b252aa2p-64},
    {0x1.0911b89ed209dp-7, 0x1.2d28eff660f62p-65},
    {0x1.070d941bca19cp-7, -0x1.1c15821acb711p-63},
    {0x1.050977b9e7ccap-7, 0x1.5c8bf9eee4ae3p-63},
    {0x1.03056378e994ap-7, 0x1.695ee65c3ef40p-61},
    {0x1.010157588de71p-7, 0x1.46662d417ced0p-62},
    {0x1.fdfaa6b126789p-8, -0x1.ce682ce31a038p-65},
    {0x1.f9f2aef1701f8p-8, -0x1.b3f449954bbc3p-62},
    {0x1.f5eac77175c00p-8, 0x1.ebad95e6b0b97p-63},
    {0x1.f1e2f030b45d8p-8, -0x1.3793f4dbedb19p-66},
    {0x1.eddb292ea9017p-8, -0x1.69ad240504beep-63},
    {0x1.e9d3726ad0bb8p-8, -0x1.f40dc8300e535p-63},
    {0x1.e5cbcbe4a8a19p-8, -0x1.2e905e402784fp-62},
    {0x1.e1c4359badcfbp-8, -0x1.f6a4893fbd6a9p-62},
    {0x1.ddbcaf8f5d681p-8, -0x1.a02518e38d154p-64},
    {0x1.d9b539bf34932p-8, 0x1.dd002edf5cbcbp-62},
    {0x1.d5add42ab07f9p-8, -0x1.6b29cd8f7822ap-62},
    {0x1.d1a67ed14e620p-8, -0x1.406c5e1bfd2dbp-62},
    {0x1.cd9f39b28b757p-8, -0x1.77d1466f25e5cp-62},
    {0x1.c99804cde4fafp-8, 0x1.2b99e7beaf5fep-62},
    {0x1.c590e022d839ep-8, 0x1.bfcd2920fbb0ep-63},
    {0x1.c189cbb0e27fbp-8, -0x1.44962158133afp-62},
    {0x1.bd82c777811ffp-8, -0x1.641cb3ae138f5p-62},
    {0x1.b97bd37631747p-8, -0x1.e4b51de5418a3p-63},
    {0x1.b574efac70dd2p-8, 0x1.32c0873c95715p-62},
    {0x1.b16e1c19bcc03p-8, 0x1.545dfba4cfdd4p-63},
    {0x1.ad6758bd9289ep-8, -0x1.11f80c687ab1ap-63},
    {0x1.a960a5976fac9p-8, 0x1.e79bcb46757d8p-62},
    {0x1.a55a02a6d1a10p-8, -0x1.8331a9f9d9168p-62},
    {0x1.a1536feb35e5cp-8, 0x1.d1236d38492f7p-62},
    {0x1.9d4ced6419fffp-8, -0x1.7ff6ddb807ef7p-62},
    {0x1.99467b10fb7a7p-8, 0x1.0d0c0692aa116p-62},
    {0x1.954018f157e6ap-8, -0x1.a775018ad30b8p-65},
    {0x1.9139c704acdbdp-8, -0x1.3c6cb10bd0790p-62},
    {0x1.8d33854a77f78p-8, -0x1.88845a164a406p-64},
    {0x1.892d53c236dd6p-8, 0x1.865444b8fc13cp-62},
    {0x1.8527326b67375p-8, 0x1.15a8733f3e484p-62},
    {0x1.8121214586b54p-8, 0x1.c14b9f9377a1dp-65},
    {0x1.7d1b2050130d5p-8, -0x1.eafbed3c7ab92p-62},
    {0x1.79152f8a89fbbp-8, -0x1.0a7445320051cp-62},
    {0x1.750f4ef46942dp-8, 0x1.6421cd857989bp-65},
    {0x1.71097e8d2eab4p-8, -0x1.4946072f015eap-69},
    {0x1.6d03be545803ap-8, 0x1.83d10a3e511ccp-62},
    {0x1.68fe0e496320dp-8, 0x1.3523deb274e95p-63},
    {0x1.64f86e6bcdddbp-8, 0x1.c33dee86154e4p-62},
    {0x1.60f2debb161b7p-8, -0x1.f29eddba2b298p-62},
    {0x1.5ced5f36b9c12p-8, -0x1.0224a4cc4edbap-62},
    {0x1.58e7efde36bc3p-8, -0x1.89c8892b8b862p-62},
    {0x1.54e290b10b001p-8, -0x1.63fb59d6b066ep-62},
    {0x1.50dd41aeb4865p-8, 0x1.c031a3d77d2a1p-62},
    {0x1.4cd802d6b14edp-8, -0x1.b9962649feb0bp-62},
    {0x1.48d2d4287f5f4p-8, -0x1.738b8a6d2853ap-62},
    {0x1.44cdb5a39cc3ap-8, 0x1.a32ada01ce7edp-63},
    {0x1.40c8a747878e2p-8, -0x1.c41f1fffceda2p-63},
    {0x1.3cc3a913bdd6ep-8, -0x1.ac246b5e2029bp-63},
    {0x1.38bebb07bdbc4p-8, -0x1.ba5eccbaedcd5p-62},
    {0x1.34b9dd230562ap-8, 0x1.40328bde20897p-62},
    {0x1.30b50f6512f4bp-8, 0x1.3d222c316dd91p-64},
    {0x1.2cb051cd64a31p-8, -0x1.098aa8217c256p-62},
    {0x1.28aba45b78a48p-8, -0x1.15aee8b8b1cecp-66},
    {0x1.24a7070ecd35fp-8, 0x1.0d8e4485f74d5p-62},
    {0x1.20a279e6e09a7p-8, -0x1.a5b7636159117p-63},
    {0x1.1c9dfce3311b1p-8, -0x1.ecf4534ad339ap-62},
    {0x1.189990033d070p-8, 0x1.6040edc4d83edp-64},
    {0x1.1495334682b3bp-8, -0x1.60c543cd58750p-63},
    {0x1.1090e6ac807c8p-8, -0x1.10c7e92d3a3b2p-62},
    {0x1.0c8caa34b4c2fp-8, 0x1.b5fb0982f7b9dp-62},
    {0x1.08887dde9deecp-8, 0x1.2828d69f384bbp-63},
    {0x1.048461a9ba6dap-8, -0x1.2dba21c044d27p-62},
    {0x1.0080559588b35p-8, 0x1.f96638cf63677p-62},
    {0x1.f8f8b3430e73dp-9, -0x1.186b1ae1400acp-64},
    {0x1.f0f0db9a6902ap-9, -0x1.6576da991bd0cp-65},
    {0x1.e8e924301e1f6p-9, -0x1.086bbaf6fb99bp-68},
    {0x1.e0e18d032ae28p-9, -0x1.c07b266690369p-65},
    {0x1.d8da16128c709p-9, 0x1.234d8df5a021cp-63},
    {0x1.d0d2bf5d3ffa7p-9, -0x1.3f3069e21a168p-63},
    {0x1.c8cb88e242bcfp-9, 0x1.a0e40ddad46bcp-63},
    {0x1.c0c472a092015p-9, 0x1.f4d8c72b2e81ap-63},
    {0x1.b8bd7c972b1cep-9, -0x1.4a0d42fa9a315p-63},
    {0x1.b0b6a6c50b70fp-9, 0x1.7497fd953d0e8p-63},
    {0x1.a8aff129306b5p-9, -0x1.d8829799ba503p-63},
    {0x1.a0a95bc29785ap-9, -0x1.0527bfe0f1120p-63},
    {0x1.98a2e6903e45ep-9, 0x1.f938f70e6b6aep-67},
    {0x1.909c9191223e3p-9, -0x1.95da7c7fa4e98p-65},
    {0x1.88965cc4410ccp-9, 0x1.13bfc9089278fp-63},
    {0x1.80904828985c0p-9, 0x1.a5a9c30313fb6p-63},
    {0x1.788a53bd25e28p-9, -0x1.4e5085c53a21bp-65},
    {0x1.70847f80e762ep-9, -0x1.6adb405d02e08p-63},
    {0x1.687ecb72daabfp-9, -0x1.52c690f13318fp-63},
    {0x1.60793791fd98ap-9, 0x1.e34af78fa1cb5p-64},
    {0x1.5873c3dd4e102p-9, -0x1.21b11370d69c3p-63},
    {0x1.506e7053ca059p-9, -0x1.c2a1fe70c852ap-63},
    {0x1.48693cf46f784p-9, 0x1.ed318b2ddd9d1p-64},
    {0x1.406429be3c73cp-9, 0x1.bd84dd2de6e3ep-64},
    {0x1.385f36b02f0fap-9, -0x1.e405cbec6f6e4p-65},
    {0x1.305a63c9456f9p-9, -0x1.f3c7f636d2b2cp-63},
    {0x1.2855b1087dc35p-9, 0x1.cd17e4b7ac6c6p-64},
    {0x1.20511e6cd646fp-9, -0x1.1d1fb52d05deap-65},
    {0x1.184cabf54d426p-9, 0x1.1f8d5cb3cdab0p-63},
    {0x1.104859a0e109ep-9, -0x1.7e99e35a60879p-63},
    {0x1.0844276e8ffd9p-9, -0x1.13002bb5e1df7p-66},
    {0x1.0040155d5889ep-9, -0x1.8f98e1113f403p-65},
    {0x1.f07846d8724e7p-10, 0x1.72d462b63756dp-65},
    {0x1.e070a33460b45p-10, 0x1.8db754902c8d5p-64},
    {0x1.d0693fcc7966bp-10, -0x1.4deedab4852c6p-64},
    {0x1.c0621c9eb99eep-10, 0x1.c2a9e61b7de71p-66},
    {0x1.b05b39a91eaeap-10, -0x1.ffeba2619306bp-64},
    {0x1.a05496e9a5ff9p-10, 0x1.226735723a6c3p-64},
    {0x1.904e345e4d13cp-10, 0x1.c47371567c7a7p-64},
    {0x1.8048120511854p-10, 0x1.9cf9d61bcb040p-64},
    {0x1.70422fdbf1065p-10, -0x1.a0a54433ccb3bp-67},
    {0x1.603c8de0e9614p-10, 0x1.e6c210918d1bfp-66},
    {0x1.50372c11f878ap-10, 0x1.d9e20b6cdd88ep-66},
    {0x1.40320a6d1c471p-10, 0x1.b31f3f686cf3dp-65},
    {0x1.302d28f052df6p-10, -0x1.5f42970b1e756p-64},
    {0x1.202887999a6c6p-10, -0x1.b055a54100f9ep-64},
    {0x1.10242666f1311p-10, -0x1.c2cb9c8be6880p-66},
    {0x1.0020055655889p-10, 0x1.9abe6bf0fa436p-65},
    {0x1.e03848cb8bcc3p-11, 0x1.b7b30f09afa4dp-65},
    {0x1.c031072681a9ep-11, 0x1.20f00b5308d22p-65},
    {0x1.a02a45b989f0fp-11, 0x1.9114d9d76196ep-66},
    {0x1.80240480a2185p-11, 0x1.32d23a9b0178ap-68},
    {0x1.601e4377c7c71p-11, 0x1.dcbed2ed05089p-67},
    {0x1.4019029af8d47p-11, -0x1.f48c2a4df0dfdp-72},
    {0x1.201441e63347cp-11, 0x1.39ab4d9355524p-65},
    {0x1.0010015575589p-11, -0x1.c8863f23ef222p-65},
    {0x1.c01881c97adcap-12, -0x1.0238dbb933e41p-67},
    {0x1.8012012014418p-12, 0x1.3acbcf76e0326p-66},
    {0x1.400c80a6b46f4p-12, 0x1.bd35e0f107564p-66},
    {0x1.0008005559559p-12, -0x1.dd332a0e20e2fp-66},
    {0x1.8009004802882p-13, -0x1.ec900a5bd7bd0p-67},
    {0x1.0004001555d56p-13, -0x1.ddd88863f53f6p-67},
    {0x1.0002000555655p-14, 0x1.62224ccd5f17fp-68},
    {0x0.0p+0, 0x0.0p+0},
    {-0x1.fffc000aaa8abp-15, 0x1.3bbc110fec82cp-69},
    {-0x1.fff8002aa9aabp-14, -0x1.10e6678af0afcp-70},
    {-0x1.7ff70047fd782p-13, 0x1.ed098a5c0aff0p-67},
    {-0x1.fff000aaa2ab1p-13, -0x1.0bbc04dc4e3dcp-69},
    {-0x1.3ff380a6a0e74p-12, -0x1.b81fcb95bc1fep-66},
    {-0x1.7fee011febc18p-12, -0x1.2b9bcf5d3f323p-66},
    {-0x1.bfe781c92fd4ap-12, 0x1.4ed10713cc126p-67},
    {-0x1.ffe002aa6ab11p-12, -0x1.99e2b62cc632dp-70},
    {-0x1.1febc1e5ccc3cp-11, -0x1.c657d895d3592p-66},
    {-0x1.3fe7029a5c947p-11, 0x1.4d578bf46e36ap-66},
    {-0x1.5fe1c376e3031p-11, 0x1.524eb8a5ae7f6p-66},
    {-0x1.7fdc047f5e185p-11, 0x1.bfa5c57d202d3p-65},
    {-0x1.9fd5c5b7cbacep-11, -0x1.b6ed49f17d42dp-65},
    {-0x1.bfcf07242969dp-11, -0x1.5db4d2b3efe1cp-67},
    {-0x1.dfc7c8c874c82p-11, 0x1.863e9d57a176fp-65},
    {-0x1.ffc00aa8ab110p-11, 0x1.0fecbeb9b6cdbp-65},
    {-0x1.0fdbe66464aefp-10, 0x1.d05546abbf59cp-68},
    {-0x1.1fd78796664c3p-10, 0x1.008492edb73c2p-65},
    {-0x1.2fd2e8ec58bd2p-10, 0x1.4f7865ceb1abfp-66},
    {-0x1.3fce0a683a46cp-10, -0x1.027199cd06ae6p-65},
    {-0x1.4fc8ec0c09163p-10, -0x1.32cc1f4044be8p-64},
    {-0x1.5fc38dd9c340bp-10, -0x1.bb2ff45fa193cp-66},
    {-0x1.6fbdefd366c39p-10, -0x1.796b866e09e58p-65},
    {-0x1.7fb811faf1845p-10, -0x1.b9e6dbb624f97p-65},
    {-0x1.8fb1f45261509p-10, -0x1.419c521bad336p-67},
    {-0x1.9fab96dbb3de1p-10, 0x1.114647a8be031p-64},
    {-0x1.afa4f998e6cabp-10, 0x1.285842eb18782p-64},
    {-0x1.bf9e1c8bf79c8p-10, 0x1.7f81b30427cfcp-65},
    {-0x1.cf96ffb6e3c1bp-10, -0x1.9b1b81b0bd69fp-64},
    {-0x1.df8fa31ba890bp-10, -0x1.cf6523e295becp-64},
    {-0x1.ef8806bc43481p-10, 0x1.68037914a6dabp-64},
    {-0x1.ff802a9ab10e6p-10, -0x1.e29e3a153e3b2p-64},
    {-0x1.07bc075c77796p-9, 0x1.68804c0eff1bap-63},
    {-0x1.0fb7d98c7cf60p-9, -0x1.ede2f1775134dp-64},
    {-0x1.17b38bde676cdp-9, -0x1.e02720640462ap-64},
    {-0x1.1faf1e5335418p-9, -0x1.bae5f7b7d619bp-63},
    {-0x1.27aa90ebe4cbfp-9, -0x1.1678f592f3be8p-63},
    {-0x1.2fa5e3a974581p-9, 0x1.0f2e553123101p-64},
    {-0x1.37a1168ce225ep-9, -0x1.e2af8a1894236p-66},
    {-0x1.3f9c29972c699p-9, -0x1.d3590790ade9ep-63},
    {-0x1.47971cc9514b7p-9, -0x1.f373de4bbf776p-63},
    {-0x1.4f91f0244ee7ep-9, -0x1.c6fe33cd1474fp-63},
    {-0x1.578ca3a9234f7p-9, 0x1.e3f102772c19cp-63},
    {-0x1.5f873758cc86ap-9, 0x1.b0782ba64d81ap-65},
    {-0x1.6781ab3448865p-9, 0x1.2dc68c252e3c9p-63},
    {-0x1.6f7bff3c953b5p-9, -0x1.59793b5acf3a3p-64},
    {-0x1.77763372b086cp-9, 0x1.a5ae253006d95p-63},
    {-0x1.7f7047d7983dap-9, -0x1.a275a19204e80p-63},
    {-0x1.876a3c6c4a296p-9, -0x1.0c8d8ff7a6391p-63},
    {-0x1.8f641131c4076p-9, -0x1.e6fab78aca912p-68},
    {-0x1.975dc62903893p-9, 0x1.80d221ec91f46p-64},
    {-0x1.9f575b5306548p-9, -0x1.013360751e43cp-64},
    {-0x1.a750d0b0ca034p-9, 0x1.9b80b9fbd1458p-64},
    {-0x1.af4a26434c236p-9, -0x1.8366d53eb1d6ap-65},
    {-0x1.b7435c0b8a372p-9, 0x1.0bb8c5b90df34p-63},
    {-0x1.bf3c720a81b4cp-9, 0x1.068612dcc0452p-66},
    {-0x1.c73568413006dp-9, 0x1.b1c9d61995d27p-63},
    {-0x1.cf2e3eb0928bep-9, 0x1.4681f36bb0738p-66},
    {-0x1.d726f559a696dp-9, -0x1.509ad7de4a5a2p-64},
    {-0x1.df1f8c3d696eap-9, 0x1.22dca9dba237bp-65},
    {-0x1.e718035cd84e7p-9, 0x1.0f751b22a9883p-63},
    {-0x1.ef105ab8f0659p-9, 0x1.3361f9037b491p-64},
    {-0x1.f7089252aed78p-9, -0x1.7fc2bc0c685b7p-63},
    {-0x1.ff00aa2b10bc0p-9, -0x1.2821ad5a6d353p-63},
    {-0x1.037c5121898f7p-8, -0x1.fdcdd313cabe6p-63},
    {-0x1.07783d4dd9802p-8, 0x1.fa6f6f07f4e78p-65},
    {-0x1.0b74199af6aa2p-8, -0x1.44cd87ebdfbe9p-63},
    {-0x1.0f6fe6095f81bp-8, -0x1.8d26103d29129p-62},
    {-0x1.136ba29992753p-8, 0x1.5e3d8928c7f53p-62},
    {-0x1.17674f4c0decfp-8, 0x1.afbd1cf9f689bp-62},
    {-0x1.1b62ec21504b7p-8, -0x1.6f63d3de42ab1p-62},
    {-0x1.1f5e7919d7ed7p-8, 0x1.57d29ea3555fbp-63},
    {-0x1.2359f63623298p-8, -0x1.e8ff4984ff525p-62},
    {-0x1.27556376b0509p-8, -0x1.c5ef8402e20b1p-62},
    {-0x1.2b50c0dbfdad9p-8, 0x1.b89ecb5d293e7p-62},
    {-0x1.2f4c0e6689856p-8, -0x1.a5ee24a4a1ea1p-62},
    {-0x1.33474c16d2175p-8, -0x1.0dc644c5a1ca9p-62},
    {-0x1.374279ed559c9p-8, -0x1.6c4819e620d60p-63},
    {-0x1.3b3d97ea92488p-8, 0x1.d03db7a501efbp-68},
    {-0x1.3f38a60f06489p-8, -0x1.693c937494046p-62},
    {-0x1.4333a45b2fc47p-8, 0x1.1361441bdab13p-62},
    {-0x1.472e92cf8cddbp-8, -0x1.d0b15d8799047p-62},
    {-0x1.4b29716c9bb05p-8, 0x1.1c8a9e4a5856ep-62},
    {-0x1.4f244032da522p-8, 0x1.7575cedd94de0p-62},
    {-0x1.531eff22c6d33p-8, -0x1.b52aa64f6d368p-63},
    {-0x1.5719ae3cdf3dcp-8, -0x1.aea83b63164a9p-62},
    {-0x1.5b144d81a1962p-8, -0x1.7f488ba9c8a81p-63},
    {-0x1.5f0edcf18bdabp-8, -0x1.bb9ce1abdb5ffp-62},
    {-0x1.63095c8d1c041p-8, -0x1.74dfaba22acffp-64},
    {-0x1.6703cc54d004ep-8, -0x1.0618660815da4p-63},
    {-0x1.6afe2c4925ca0p-8, 0x1.b901c73ab242ap-62},
    {-0x1.6ef87c6a9b3a5p-8, 0x1.ea64f08fa1a51p-62},
    {-0x1.72f2bcb9ae36ep-8, -0x1.8ae2eaf5c72e1p-63},
    {-0x1.76eced36dc9b0p-8, 0x1.465b943b408d3p-64},
    {-0x1.7ae70de2a43bfp-8, -0x1.82302f6e4d456p-63},
    {-0x1.7ee11ebd82e94p-8, 0x1.61e96e2fc5d90p-62},
    {-0x1.82db1fc7f66c7p-8, -0x1.5aa127b37f2b8p-63},
    {-0x1.86d511027c896p-8, 0x1.9553d83a59ec6p-63},
    {-0x1.8acef26d92fdep-8, 0x1.1aadaa65ffba3p-63},
    {-0x1.8ec8c409b7820p-8, 0x1.43d60e7c83192p-64},
    {-0x1.92c285d767c7fp-8, 0x1.4e785f7c5aedfp-63},
    {-0x1.96bc37d7217c0p-8, 0x1.cc1e4827ec1c0p-63},
    {-0x1.9ab5da096244ap-8, -0x1.df8c7bcfdea01p-63},
    {-0x1.9eaf6c6ea7c28p-8, -0x1.075aa97862868p-64},
    {-0x1.a2a8ef076f905p-8, -0x1.f9564936d89b2p-62},
    {-0x1.a6a261d437431p-8, -0x1.30b88be10313ap-63},
    {-0x1.aa9bc4d57c69cp-8, -0x1.448a455da6fefp-64},
    {-0x1.ae95180bbc8dap-8, 0x1.c578556a87dcfp-63},
    {-0x1.b28e5b7775320p-8, -0x1.a9ef357234887p-63},
    {-0x1.b6878f1923d48p-8, 0x1.7366bbffdacb3p-63},
    {-0x1.ba80b2f145eccp-8, 0x1.b39e92269afa5p-62},
    {-0x1.be79c70058ec9p-8, 0x1.964fefef02b62p-66},
    {-0x1.c272cb46da400p-8, -0x1.3f673afc5c2dcp-64},
    {-0x1.c66bbfc5474d4p-8, 0x1.ea5321800b155p-62},
    {-0x1.ca64a47c1d749p-8, 0x1.d07cdd5962822p-62},
    {-0x1.ce5d796bda107p-8, -0x1.5db02c2fa625ep-66},
    {-0x1.d2563e94fa759p-8, -0x1.d9701957bf4f1p-62},
    {-0x1.d64ef3f7fbf2dp-8, -0x1.d3392ad399e34p-65},
    {-0x1.da4799955bd12p-8, 0x1.4087d0677a9abp-62},
    {-0x1.de402f6d9753ap-8, 0x1.9748de9dfa670p-65},
    {-0x1.e238b5812bb7bp-8, -0x1.79324058d6ffdp-63},
    {-0x1.e6312bd09634dp-8, -0x1.f35bb3c15cf44p-62},
    {-0x1.ea29925c53fccp-8, 0x1.061aa735b35dcp-62},
    {-0x1.ee21e924e23b4p-8, 0x1.6cf821c263a74p-62},
    {-0x1.f21a302abe166p-8, 0x1.2d00779128789p-62},
    {-0x1.f612676e64ae5p-8, -0x1.3690a6651ee8fp-62},
    {-0x1.fa0a8ef0531d9p-8, 0x1.45dca3934d7cbp-62},
    {-0x1.fe02a6b106789p-8, 0x1.e44b7e3711ebfp-67},
    {-0x1.00fd57587de71p-7, -0x1.1bbb8196d23bfp-62},
    {-0x1.02f953785813ap-7, 0x1.bf5a90a595ffdp-62},
    {-0x1.04f547b850437p-7, -0x1.a0c27f6e71eacp-61},
    {-0x1.06f13418a4f54p-7, -0x1.f9abd80560bc9p-61},
    {-0x1.08ed189994a4dp-7, -0x1.a9fff5684be7fp-65},
    {-0x1.0ae8f53b5dcafp-7, 0x1.fc35acdeb2a97p-61},
    {-0x1.0ce4c9fe3edd8p-7, 0x1.74478e59e113ap-64},
    {-0x1.0ee096e2764fap-7, 0x1.c336f7f3f1792p-64},
    {-0x1.10dc5be842917p-7, 0x1.a2b0da61ceb4fp-61},
    {-0x1.12d8190fe2102p-7, 0x1.b79890ac28a03p-61},
    {-0x1.14d3ce5993360p-7, -0x1.11c66b8e4b517p-62},
    {-0x1.16cf7bc5946a9p-7, -0x1.d1e36f503815ap-63},
    {-0x1.18cb215424125p-7, 0x1.ef556e7975fd9p-64},
    {-0x1.1ac6bf05808eep-7, 0x1.6aa36a1241005p-61},
    {-0x1.1cc254d9e83efp-7, 0x1.d75ad4649390bp-63},
    {-0x1.1ebde2d1997e6p-7, 0x1.ffa46e1b2ec81p-64},
    {-0x1.20b968ecd2a62p-7, 0x1.1a39c3171b57cp-61},
    {-0x1.22b4e72bd20c3p-7, 0x1.76660af4e3853p-62},
    {-0x1.24b05d8ed603bp-7, -0x1.ccbf24596b8cep-61},
    {-0x1.26abcc161cdd0p-7, 0x1.e11c7b3ed05abp-61},
    {-0x1.28a732c1e4e55p-7, 0x1.665d84f6c8e28p-61},
    {-0x1.2aa291926c672p-7, -0x1.8ffd6f3593ecap-63},
    {-0x1.2c9de887f1aa1p-7, 0x1.0dde241799c25p-62},
    {-0x1.2e9937a2b2f2cp-7, 0x1.4c86fba5ea590p-61},
    {-0x1.30947ee2ee82fp-7, 0x1.39265ded8c682p-64},
    {-0x1.328fbe48e2999p-7, 0x1.6ab55d76d16bep-63},
    {-0x1.348af5d4cd729p-7, -0x1.d6e7125ca9b93p-61},
    {-0x1.36862586ed472p-7, -0x1.3900b580ef7d5p-61},
    {-0x1.38814d5f804d7p-7, 0x1.4091b16ba0492p-63},
    {-0x1.3a7c6d5ec4b8dp-7, 0x1.bc064c92044e0p-61},
    {-0x1.3c778584f8b9ap-7, -0x1.2d94855ba9ac4p-61},
    {-0x1.3e7295d25a7d9p-7, 0x1.ff29a11443a06p-65},
    {-0x1.406d9e47282f3p-7, -0x1.155d3d3bb2dd2p-61},
    {-0x1.42689ee39ff66p-7, 0x1.267cc3fe9d925p-61},
    {-0x1.446397a7fff7fp-7, 0x1.6a0d49a88db48p-61},
    {-0x1.465e88948655ep-7, -0x1.1d001c09fa7a5p-61},
    {-0x1.485971a9712f7p-7, 0x1.4ab2f148c5150p-61},
    {-0x1.4a5452e6fea0cp-7, 0x1.b598d47722c30p-62},
    {-0x1.4c4f2c4d6cc33p-7, -0x1.be30703eb7695p-61},
    {-0x1.4e49fddcf9ad5p-7, -0x1.684c84bd1d4c4p-61},
    {-0x1.5044c795e372bp-7, -0x1.5b0adeb13423ap-62},
    {-0x1.523f897868240p-7, -0x1.c5352dcf279afp-61},
    {-0x1.543a4384c5cf3p-7, 0x1.608716193b005p-61},
    {-0x1.5634f5bb3a7f1p-7, -0x1.e12dc44ac8ca6p-62},
    {-0x1.582fa01c043bep-7, 0x1.c39c8f0d4edb0p-61},
    {-0x1.5a2a42a7610abp-7, 0x1.e5acdc7646218p-65},
    {-0x1.5c24dd5d8eedfp-7, 0x1.b50f70d0d4795p-62},
    {-0x1.5e1f703ecbe50p-7, -0x1.3eb0bb43693b9p-61},
    {-0x1.6019fb4b55ec9p-7, 0x1.3d87fcc4e4c9cp-62},
    {-0x1.62147e836afe4p-7, 0x1.367e665e1cf7dp-61},
    {-0x1.640ef9e74910ep-7, -0x1.8f859875669b7p-62},
    {-0x1.66096d772e188p-7, 0x1.3486756f26dbbp-61},
    {-0x1.6803d93358062p-7, 0x1.9149949314cb1p-61},
    {-0x1.69fe3d1c04c7fp-7, -0x1.817dc7be4616ap-61},
    {-0x1.6bf8993172497p-7, 0x1.eadc09a331b80p-61},
    {-0x1.6df2ed73de72fp-7, 0x1.785758e5bf1cbp-61},
    {-0x1.6fed39e3872a1p-7, -0x1.8f115d37e78b5p-61},
    {-0x1.71e77e80aa51bp-7, 0x1.bb3cf6aa7e31cp-61},
    {-0x1.73e1bb4b85c98p-7, -0x1.86d617719fdb3p-64},
    {-0x1.75dbf044576eap-7, 0x1.54f4bd0f6dadfp-62},
    {-0x1.77d61d6b5d1b2p-7, -0x1.d2bda9e49f31bp-64},
};

// 2^(j / 2^10) hi, lo.
constexpr DoubleDouble kExp2[1024] = {
    {0x1.0000000000000p+0, 0x0.0p+0},
    {0x1.002c605e2e8cfp+0, -0x1.d7c96f201bb2fp-55},
    {0x1.0058c86da1c0ap+0, -0x1.5e00e62d6b30dp-56},
    {0x1.0085382faef83p+0, 0x1.da93f90835f75p-56},
    {0x1.00b1afa5abcbfp+0, -0x1.4f6b2a7609f71p-55},
    {0x1.00de2ed0ee0f5p+0, -0x1.406ac4e81a645p-57},
    {0x1.010ab5b2cbd11p+0, 0x1.c1d0660524e08p-54},
    {0x1.0137444c9b5b5p+0, -0x1.2b6aeb6176892p-56},
    {0x1.0163da9fb3335p+0, 0x1.b61299ab8cdb7p-54},
    {0x1.019078ad6a19fp+0, -0x1.008eff5142bf9p-56},
    {0x1.01bd1e77170b4p+0, 0x1.5e7626621eb5bp-56},
    {0x1.01e9cbfe113efp+0, -0x1.c11f5239bf535p-55},
    {0x1.02168143b0281p+0, -0x1.2bf310fc54eb6p-55},
    {0x1.02433e494b755p+0, -0x1.314aa16278aa3p-54},
    {0x1.027003103b10ep+0, -0x1.082ef51b61d7ep-56},
    {0x1.029ccf99d720ap+0, 0x1.64cbba902ca27p-58},
    {0x1.02c9a3e778061p+0, -0x1.19083535b085dp-56},
    {0x1.02f67ffa765e6p+0, -0x1.b8db0e9dbd87ep-55},
    {0x1.032363d42b027p+0, 0x1.fea8d61ed6016p-54},
    {0x1.03504f75ef071p+0, 0x1.bc2ee8e5799acp-54},
    {0x1.037d42e11bbccp+0, 0x1.56811eeade11ap-57},
    {0x1.03aa3e170aafep+0, -0x1.f1a93c1b824d3p-54},
    {0x1.03d7411915a8ap+0, 0x1.b7c00e7b751dap-54},
    {0x1.04044be896ab6p+0, 0x1.9dc3add8f9c02p-54},
    {0x1.04315e86e7f85p+0, -0x1.0a31c1977c96ep-54},
    {0x1.045e78f5640b9p+0, 0x1.35bc86af4ee9ap-56},
    {0x1.048b9b35659d8p+0, 0x1.21cd53d5e8b66p-57},
    {0x1.04b8c54847a28p+0, -0x1.e7992580447b0p-56},
    {0x1.04e5f72f654b1p+0, 0x1.4c3793aa0d08dp-55},
    {0x1.051330ec1a03fp+0, 0x1.79a8be239ca45p-54},
    {0x1.0540727fc1762p+0, -0x1.abcae24b819dfp-54},
    {0x1.056dbbebb786bp+0, 0x1.06c87433776c9p-55},
    {0x1.059b0d3158574p+0, 0x1.d73e2a475b465p-55},
    {0x1.05c866520045bp+0, -0x1.5ae0d0ab6eb02p-54},
    {0x1.05f5c74f0bec2p+0, 0x1.996d5009d00dep-54},
    {0x1.06233029d8216p+0, 0x1.21545b7587d14p-54},
    {0x1.0650a0e3c1f89p+0, -0x1.5cb7b5799c397p-54},
    {0x1.067e197e26c14p+0, 0x1.920ac6fa8b80ep-57},
    {0x1.06ab99fa6407cp+0, -0x1.a5e905f7c7ebep-55},
    {0x1.06d92259d794dp+0, -0x1.21f5c11c8a156p-54},
    {0x1.0706b29ddf6dep+0, -0x1.c91dfe2b13c27p-55},
    {0x1.07344ac7d9d51p+0, -0x1.1810302ef050ap-54},
    {0x1.0761ead925493p+0, -0x1.d856655af086ap-55},
    {0x1.078f92d32085dp+0, 0x1.bd449410dffeep-55},
    {0x1.07bd42b72a836p+0, 0x1.3233454458700p-55},
    {0x1.07eafa86a2771p+0, 0x1.1eebd2da2aafcp-56},
    {0x1.0818ba42e7d30p+0, -0x1.ba46408f85fd6p-54},
    {0x1.084681ed5a462p+0, -0x1.7997ba4965f5ep-58},
    {0x1.0874518759bc8p+0, 0x1.186be4bb284ffp-57},
    {0x1.08a22912465f2p+0, -0x1.d4b5893f81268p-54},
    {0x1.08d0088f8093fp+0, 0x1.dd1f1d8a47bbcp-58},
    {0x1.08fdf00068fe2p+0, 0x1.a3af8986791b3p-54},
    {0x1.092bdf66607e0p+0, -0x1.68063800a3fd1p-54},
    {0x1.0959d6c2c830dp+0, 0x1.adfb71f64534bp-54},
    {0x1.0987d61701716p+0, -0x1.d05b3e26abfd6p-55},
    {0x1.09b5dd646dd77p+0, -0x1.a4f7ff73b9beap-55},
    {0x1.09e3ecac6f383p+0, 0x1.1487818316136p-54},
    {0x1.0a1203f067a63p+0, 0x1.67c5dc0a2c7f3p-54},
    {0x1.0a402331b9715p+0, 0x1.c01f59d7db7cfp-55},
    {0x1.0a6e4a71c726ep+0, -0x1.02f6f4f0a705cp-54},
    {0x1.0a9c79b1f3919p+0, 0x1.5d16c873d1d38p-55},
    {0x1.0acab0f3a1b9cp+0, -0x1.018288970a558p-54},
    {0x1.0af8f03834e52p+0, 0x1.bb2180f5f5219p-54},
    {0x1.0b27378110974p+0, -0x1.de2652fd59157p-54},
    {0x1.0b5586cf9890fp+0, 0x1.8a62e4adc610bp-54},
    {0x1.0b83de2530d11p+0, 0x1.2860a94689d5fp-58},
    {0x1.0bb23d833d93fp+0, -0x1.6b8089b07909fp-55},
    {0x1.0be0a4eb2353bp+0, 0x1.c0bd4ac5306adp-55},
    {0x1.0c0f145e46c85p+0, 0x1.4f98906d21cefp-54},
    {0x1.0c3d8bde0ce7ap+0, -0x1.73e9dd3e19d4ap-54},
    {0x1.0c6c0b6bdae53p+0, -0x1.4e8a80969d886p-54},
    {0x1.0c9a93091632ap+0, -0x1.4ebc3219e5825p-54},
    {0x1.0cc922b7247f7p+0, 0x1.01edc16e24f71p-54},
    {0x1.0cf7ba776bb94p+0, 0x1.389cd04b86d10p-56},
    {0x1.0d265a4b520bap+0, -0x1.db361584e6300p-54},
    {0x1.0d5502343de02p+0, 0x1.a92b94d75e26fp-54},
    {0x1.0d83b23395decp+0, -0x1.bc14de43f316ap-54},
    {0x1.0db26a4ac0ed5p+0, -0x1.abca887003a37p-54},
    {0x1.0de12a7b26300p+0, 0x1.e181a9425ebcbp-54},
    {0x1.0e0ff2c62d096p+0, 0x1.4dc4bafe09acap-54},
    {0x1.0e3ec32d3d1a2p+0, 0x1.03a1727c57b53p-59},
    {0x1.0e6d9bb1be415p+0, -0x1.8015114c6b5f8p-55},
    {0x1.0e9c7c55189c6p+0, 0x1.3140927decdabp-55},
    {0x1.0ecb6518b4874p+0, 0x1.bad41db4905afp-55},
    {0x1.0efa55fdfa9c5p+0, -0x1.49db9bc54021bp-54},
    {0x1.0f294f0653b45p+0, 0x1.5c28cc45ce4f5p-54},
    {0x1.0f58503328e6dp+0, -0x1.6058ab1a46f1ap-55},
    {0x1.0f875985e389bp+0, 0x1.0e7772b6fe9c9p-54},
    {0x1.0fb66affed31bp+0, -0x1.b9bedc44ebd7bp-57},
    {0x1.0fe584a2afb21p+0, 0x1.9bf255ca866dfp-58},
    {0x1.1014a66f951cep+0, 0x1.7bef21c9dea63p-55},
    {0x1.1043d06807c2fp+0, 0x1.4b831195ff46fp-54},
    {0x1.1073028d7233ep+0, 0x1.d46eb1692fdd5p-55},
    {0x1.10a23ce13f3e2p+0, 0x1.0c7449698add5p-54},
    {0x1.10d17f64d9ef1p+0, 0x1.431762073e535p-57},
    {0x1.1100ca19ad92fp+0, 0x1.c6b4ffcc8785ap-56},
    {0x1.11301d0125b51p+0, -0x1.6c51039449b3ap-54},
    {0x1.115f781cae1fap+0, 0x1.b07d7411f78c0p-56},
    {0x1.118edb6db2dc1p+0, -0x1.ce5fc87c4dd8ep-57},
    {0x1.11be46f5a032cp+0, 0x1.163d20d471a87p-54},
    {0x1.11edbab5e2ab6p+0, -0x1.ca454f703fb72p-54},
    {0x1.121d36afe70c9p+0, 0x1.1feb543a8aa27p-54},
    {0x1.124cbae51a5c8p+0, -0x1.512b949cc76f8p-54},
    {0x1.127c4756e9e05p+0, 0x1.58c3c597e6e94p-54},
    {0x1.12abdc06c31ccp+0, -0x1.1b514b36ca5c7p-58},
    {0x1.12db78f613d5bp+0, 0x1.62d058c934564p-56},
    {0x1.130b1e264a0e9p+0, -0x1.a70f11e89fb52p-54},
    {0x1.133acb98d40a2p+0, -0x1.b8fce093e5892p-54},
    {0x1.136a814f204abp+0, -0x1.7108fba48dcf0p-57},
    {0x1.139a3f4a9d922p+0, 0x1.7f8ef5d4ce338p-55},
    {0x1.13ca058cbae1ep+0, -0x1.43684aabe72bdp-56},
    {0x1.13f9d416e77afp+0, -0x1.2826439d31ce2p-54},
    {0x1.1429aaea92de0p+0, -0x1.32fbf9af1369ep-54},
    {0x1.14598a092ccb7p+0, 0x1.3f4cef739d421p-54},
    {0x1.1489717425438p+0, -0x1.01720e2fc037dp-56},
    {0x1.14b9612cec861p+0, -0x1.7d88106c3acffp-54},
    {0x1.14e95934f312ep+0, -0x1.b91e839bf44abp-55},
    {0x1.1519598da9a9ap+0, -0x1.2ccb9858725ebp-55},
    {0x1.154962388149ep+0, 0x1.821afe3f2bf25p-59},
    {0x1.15797336eb333p+0, -0x1.11b2a8540e7a8p-55},
    {0x1.15a98c8a58e51p+0, 0x1.2406ab9eeab0ap-55},
    {0x1.15d9ae343c1f2p+0, 0x1.84bf4f12ef27ap-54},
    {0x1.1609d83606e12p+0, -0x1.8105d66c7d0ccp-54},
    {0x1.163a0a912b6acp+0, 0x1.fbb00cb9fd3c7p-56},
    {0x1.166a45471c3c2p+0, 0x1.8f23b82ea1a32p-58},
    {0x1.169a88594c157p+0, 0x1.fcbc0e969208cp-57},
    {0x1.16cad3c92df73p+0, 0x1.0c17504ffdddfp-54},
    {0x1.16fb279835224p+0, -0x1.78a315c6c665dp-54},
    {0x1.172b83c7d517bp+0, -0x1.19041b9d78a76p-55},
    {0x1.175be85981992p+0, 0x1.5b0ae3c02e708p-58},
    {0x1.178c554eaea89p+0, 0x1.00be0ed2710c9p-54},
    {0x1.17bccaa8d0888p+0, 0x1.dfef8e8156fe7p-54},
    {0x1.17ed48695bbc0p+0, 0x1.09e3fe2ac5a64p-56},
    {0x1.181dce91c506ap+0, -0x1.98a1a2fab2c3fp-54},
    {0x1.184e5d23816c9p+0, -0x1.f62a4b061b797p-54},
    {0x1.187ef4200632bp+0, -0x1.a3b57dfe833e2p-55},
    {0x1.18af9388c8deap+0, -0x1.11023d1970f6cp-54},
    {0x1.18e03b5f3f36bp+0, -0x1.b4aec51cef49bp-54},
    {0x1.1910eba4df41fp+0, 0x1.e94c19df12feep-55},
    {0x1.1941a45b1f487p+0, 0x1.de6aacf2f4a03p-58},
    {0x1.1972658375d2fp+0, 0x1.4aadd85f17e08p-54},
    {0x1.19a32f1f59ab4p+0, 0x1.1f0f9fc72131bp-54},
    {0x1.19d4013041dc2p+0, -0x1.d020f4d703c9fp-54},
    {0x1.1a04dbb7a5b13p+0, -0x1.647a348ddf00bp-57},
    {0x1.1a35beb6fcb75p+0, 0x1.e5b4c7b4968e4p-55},
    {0x1.1a66aa2fbebc7p+0, -0x1.245095f7f84bap-54},
    {0x1.1a979e2363cf8p+0, 0x1.23a7a004a48aep-58},
    {0x1.1ac89a936440dp+0, -0x1.b7972bcfa582fp-55},
    {0x1.1af99f8138a1cp+0, 0x1.7bf85a4b69280p-54},
    {0x1.1b2aacee59c53p+0, -0x1.cbcacd35fd64cp-54},
    {0x1.1b5bc2dc40bf0p+0, 0x1.d8392ae90ce4ep-55},
    {0x1.1b8ce14c66e4cp+0, 0x1.381eb00b9dc1ap-55},
    {0x1.1bbe084045cd4p+0, -0x1.95386352ef607p-54},
    {0x1.1bef37b95750bp+0, 0x1.06013dbd6a419p-55},
    {0x1.1c206fb91588fp+0, 0x1.d338944c9a0e8p-55},
    {0x1.1c51b040fad15p+0, 0x1.511ac31eb467dp-56},
    {0x1.1c82f95281c6bp+0, 0x1.009778010f8c9p-54},
    {0x1.1cb44aef2547ap+0, 0x1.8bb14fc3dbbbep-54},
    {0x1.1ce5a51860746p+0, -0x1.ad03a21404840p-57},
    {0x1.1d1707cfaeaedp+0, -0x1.793831c9c6df1p-56},
    {0x1.1d4873168b9aap+0, 0x1.e016e00a2643cp-54},
    {0x1.1d79e6ee731d7p+0, -0x1.d218891139b3bp-55},
    {0x1.1dab6358e15e8p+0, -0x1.8b44056589d61p-54},
    {0x1.1ddce85752c71p+0, 0x1.3f0d492987224p-55},
    {0x1.1e0e75eb44027p+0, -0x1.6fdd8088cb6dep-54},
    {0x1.1e400c1631fdbp+0, 0x1.b6a3de06e69a3p-56},
    {0x1.1e71aad999e82p+0, 0x1.a63f5c1b1dd1fp-56},
    {0x1.1ea35236f9330p+0, 0x1.9c39e4ee6765dp-54},
    {0x1.1ed5022fcd91dp+0, -0x1.1df98027bb78cp-54},
    {0x1.1f06bac594fa0p+0, 0x1.b8e04bdfed75dp-54},
    {0x1.1f387bf9cda38p+0, 0x1.1e4b090a54f7dp-54},
    {0x1.1f6a45cdf6085p+0, 0x1.b7c2a19db1852p-56},
    {0x1.1f9c18438ce4dp+0, -0x1.bf524a097af5cp-54},
    {0x1.1fcdf35c1137ap+0, -0x1.67c5a5400e194p-55},
    {0x1.1fffd7190241ep+0, 0x1.42a3cf9a6e318p-54},
    {0x1.2031c37bdf872p+0, 0x1.b3fb0f95dcdf2p-54},
    {0x1.2063b88628cd6p+0, 0x1.dc775814a8495p-55},
    {0x1.2095b6395e1d2p+0, 0x1.bed01918a0c3dp-55},
    {0x1.20c7bc96ffc18p+0, -0x1.1130fe76aad5cp-59},
    {0x1.20f9cba08e483p+0, 0x1.5b675d6011717p-59},
    {0x1.212be3578a819p+0, 0x1.3592d2cfcaac9p-54},
    {0x1.215e03bd7580cp+0, 0x1.7d586ce4617d5p-55},
    {0x1.21902cd3d09b9p+0, -0x1.d6583a1ed89bdp-61},
    {0x1.21c25e9c1d6aap+0, -0x1.8f4885a9d5721p-55},
    {0x1.21f49917ddc96p+0, 0x1.2a97e9494a5eep-55},
    {0x1.2226dc4893d64p+0, -0x1.0c17289dd6f99p-54},
    {0x1.2259282fc1f27p+0, 0x1.b283a7a9a2022p-55},
    {0x1.228b7cceeac25p+0, -0x1.5584b05a8ca7fp-55},
    {0x1.22bdda27912d1p+0, 0x1.d34fb5577d69fp-55},
    {0x1.22f0403b385d2p+0, 0x1.c6fc1516d47ecp-56},
    {0x1.2322af0b63bffp+0, 0x1.487fd27e5a7b2p-59},
    {0x1.2355269997062p+0, -0x1.7d7f4f85efc33p-60},
    {0x1.2387a6e756238p+0, 0x1.9b07eb6c70573p-54},
    {0x1.23ba2ff6254f4p+0, -0x1.bc1570b6a4c2dp-54},
    {0x1.23ecc1c78903ap+0, -0x1.cdd7a05f66fd8p-54},
    {0x1.241f5c5d05fe6p+0, -0x1.16d34c0369debp-55},
    {0x1.2451ffb82140ap+0, 0x1.acfcc911ca996p-55},
    {0x1.2484abda600efp+0, 0x1.966e56d4d56b8p-55},
    {0x1.24b760c547f15p+0, 0x1.68f656fed356ep-56},
    {0x1.24ea1e7a5eb35p+0, -0x1.f430177b6672ep-54},
    {0x1.251ce4fb2a63fp+0, 0x1.ac155bef4f4a4p-55},
    {0x1.254fb44931561p+0, -0x1.eaf11017cfc14p-55},
    {0x1.25828c65fa1ffp+0, 0x1.447d93c478783p-54},
    {0x1.25b56d530b9bcp+0, 0x1.5764c5f478f56p-54},
    {0x1.25e85711ece75p+0, 0x1.3e1a24ac31b2cp-54},
    {0x1.261b49a425645p+0, -0x1.f578d8dce6a0bp-54},
    {0x1.264e450b3cb82p+0, -0x1.2a34ff432e733p-54},
    {0x1.26814948bacc3p+0, -0x1.3c668668a7b4dp-56},
    {0x1.26b4565e27cddp+0, 0x1.2bd339940e9d9p-55},
    {0x1.26e76c4d0c2e5p+0, 0x1.6696380bc8177p-56},
    {0x1.271a8b16f0a30p+0, -0x1.88846a8172bc5p-56},
    {0x1.274db2bd5e254p+0, -0x1.dfdd00a1e56c0p-57},
    {0x1.2780e341ddf29p+0, 0x1.e067c05f9e76cp-54},
    {0x1.27b41ca5f98cbp+0, 0x1.adf9b526b2af8p-54},
    {0x1.27e75eeb3ab98p+0, 0x1.05117e5c88fb1p-55},
    {0x1.281aaa132b832p+0, 0x1.0e0cc0c5ba942p-56},
    {0x1.284dfe1f56381p+0, -0x1.a4c3a8c3f0d7ep-54},
    {0x1.28815b11456b1p+0, -0x1.514b0dde1b730p-54},
    {0x1.28b4c0ea83f36p+0, -0x1.6c190554e071ap-54},
    {0x1.28e82fac9cecap+0, -0x1.bb58ce23070dbp-57},
    {0x1.291ba7591bb70p+0, -0x1.2cc7228401cbdp-55},
    {0x1.294f27f18bf72p+0, 0x1.d599f73f2a6bcp-55},
    {0x1.2982b17779965p+0, 0x1.0f41c1ae6b7b2p-54},
    {0x1.29b643ec70c27p+0, 0x1.c47f615c78785p-55},
    {0x1.29e9df51fdee1p+0, 0x1.612e8afad1255p-55},
    {0x1.2a1d83a9add08p+0, -0x1.faeb50b24f371p-55},
    {0x1.2a5130f50d65cp+0, -0x1.a7281af95a0a4p-56},
    {0x1.2a84e735a9eecp+0, -0x1.a57f7ffc756d6p-54},
    {0x1.2ab8a66d10f13p+0, -0x1.95743191690a7p-54},
    {0x1.2aec6e9cd037bp+0, 0x1.09abf4078064cp-54},
    {0x1.2b203fc675d1fp+0, 0x1.3fc477099b71ap-55},
    {0x1.2b5419eb90148p+0, -0x1.248d0850432d9p-56},
    {0x1.2b87fd0dad990p+0, -0x1.10adcd6381aa4p-59},
    {0x1.2bbbe92e5d3e3p+0, 0x1.27d4ac112750fp-54},
    {0x1.2befde4f2e280p+0, 0x1.4e5c6fb4ca905p-57},
    {0x1.2c23dc71afbf7p+0, 0x1.fa19cf9311b32p-54},
    {0x1.2c57e39771b2fp+0, -0x1.50145a6eb5124p-54},
    {0x1.2c8bf3c203f5fp+0, 0x1.f3edd26f42184p-56},
    {0x1.2cc00cf2f6c18p+0, -0x1.51cc74f1651e2p-54},
    {0x1.2cf42f2bda93dp+0, 0x1.59aa2f9804dd8p-55},
    {0x1.2d285a6e4030bp+0, 0x1.0024754db41d5p-54},
    {0x1.2d5c8ebbb8a15p+0, 0x1.3e6b803948937p-56},
    {0x1.2d90cc15d5346p+0, 0x1.9676bdb1b6915p-56},
    {0x1.2dc5127e277e3p+0, -0x1.9a89afa8eff1cp-55},
    {0x1.2df961f641589p+0, 0x1.d16cffbbce198p-54},
    {0x1.2e2dba7fb4e33p+0, -0x1.d67d622af6480p-56},
    {0x1.2e621c1c14833p+0, 0x1.b28aedee223bcp-55},
    {0x1.2e9686ccf2e3bp+0, -0x1.8ddf332033f5fp-54},
    {0x1.2ecafa93e2f56p+0, 0x1.1ca0f45d52383p-56},
    {0x1.2eff777277ef0p+0, 0x1.1e43c7ce7c2e3p-55},
    {0x1.2f33fd6a454d2p+0, -0x1.33b50add83bc9p-54},
    {0x1.2f688c7cded23p+0, -0x1.2c3b615ec8ecep-54},
    {0x1.2f9d24abd886bp+0, -0x1.53c55532bda93p-57},
    {0x1.2fd1c5f8c6b93p+0, -0x1.3646b73a2313dp-55},
    {0x1.300670653dfe4p+0, 0x1.02bf2a6597e23p-55},
    {0x1.303b23f2d330bp+0, -0x1.5f7c3794ace86p-54},
    {0x1.306fe0a31b715p+0, 0x1.6f46ad23182e4p-55},
    {0x1.30a4a677ac276p+0, 0x1.1a4e4028b3f84p-56},
    {0x1.30d975721b004p+0, 0x1.8b02cef625aa4p-56},
    {0x1.310e4d93fdefbp+0, 0x1.85a1678fd97abp-55},
    {0x1.31432edeeb2fdp+0, 0x1.959a3f3f3fcd1p-55},
    {0x1.3178195479413p+0, -0x1.672bb4e215351p-54},
    {0x1.31ad0cf63eeacp+0, -0x1.edae36238f255p-54},
    {0x1.31e209c5d33a0p+0, -0x1.c8353474e7af2p-59},
    {0x1.32170fc4cd831p+0, 0x1.a9ce78e18047cp-55},
    {0x1.324c1ef4c560ap+0, 0x1.2ef579a837e73p-56},
    {0x1.3281375752b40p+0, -0x1.854137c374413p-58},
    {0x1.32b658ee0da54p+0, -0x1.b48919e5578c3p-54},
    {0x1.32eb83ba8ea32p+0, -0x1.c45e83cb4f318p-54},
    {0x1.3320b7be6e633p+0, 0x1.af5c6ce933bfdp-54},
    {0x1.3355f4fb45e20p+0, 0x1.c3f8de75651c2p-55},
    {0x1.338b3b72ae62dp+0, 0x1.64f8c6f8a910dp-54},
    {0x1.33c08b26416ffp+0, 0x1.32721843659a6p-54},
    {0x1.33f5e41798daap+0, 0x1.c041925027629p-54},
    {0x1.342b46484ebb4p+0, -0x1.d8deede0553fdp-55},
    {0x1.3460b1b9fd712p+0, -0x1.2b076aa147b76p-54},
    {0x1.3496266e3fa2dp+0, -0x1.35a75930881a4p-55},
    {0x1.34cba466b03e1p+0, -0x1.0dd7291629752p-54},
    {0x1.35012ba4ea77dp+0, -0x1.731012edb1079p-54},
    {0x1.3536bc2a89cc4p+0, 0x1.3fcb43a2b779bp-54},
    {0x1.356c55f929ff1p+0, -0x1.b5cee5c4e4628p-55},
    {0x1.35a1f912671b1p+0, 0x1.fa7ae6e23d893p-56},
    {0x1.35d7a577dd72bp+0, 0x1.9ad8b9afdb485p-55},
    {0x1.360d5b2b299fcp+0, 0x1.ea3f56d9ad457p-54},
    {0x1.36431a2de883bp+0, -0x1.c3144a06cb85ep-55},
    {0x1.3678e281b7475p+0, 0x1.ec474992d3242p-57},
    {0x1.36aeb428335b4p+0, 0x1.7e20a76092403p-55},
    {0x1.36e48f22fa77cp+0, -0x1.26af97e91820cp-54},
    {0x1.371a7373aa9cbp+0, -0x1.63aeabf42eae2p-54},
    {0x1.3750611be211cp+0, 0x1.0d805d263ff83p-54},
    {0x1.3786581d3f669p+0, -0x1.7849f7db479d2p-55},
    {0x1.37bc587961726p+0, 0x1.84a42ad3aa26bp-54},
    {0x1.37f26231e754ap+0, -0x1.9f5ca9eceb23cp-54},
    {0x1.3828754870746p+0, 0x1.d1ee2169395cep-54},
    {0x1.385e91be9c811p+0, 0x1.68effa66ed3d2p-56},
    {0x1.3894b7960b71fp+0, -0x1.de3ba8476ca07p-54},
    {0x1.38cae6d05d866p+0, -0x1.e958d3c9904bdp-54},
    {0x1.39011f6f3345fp+0, 0x1.0ce040d5672ecp-54},
    {0x1.393761742d808p+0, 0x1.bd89f516d2f1dp-55},
    {0x1.396dace0ed4e1p+0, -0x1.c7cc0e9000a3ap-56},
    {0x1.39a401b7140efp+0, -0x1.9a9a5fc8e2934p-54},
    {0x1.39da5ff8436bcp+0, 0x1.1a9062eee907ap-54},
    {0x1.3a10c7a61d55bp+0, 0x1.e218b6b52d59ep-55},
    {0x1.3a4738c244064p+0, -0x1.15a959fb6007ap-57},
    {0x1.3a7db34e59ff7p+0, -0x1.5e436d661f5e3p-56},
    {0x1.3ab4374c020bdp+0, 0x1.1499d4295649fp-54},
    {0x1.3aeac4bcdf3eap+0, -0x1.fc8195f57f1d7p-55},
    {0x1.3b215ba294f39p+0, 0x1.93097a76f8e14p-54},
    {0x1.3b57fbfec6cf4p+0, 0x1.54c66e26fff18p-54},
    {0x1.3b8ea5d318befp+0, -0x1.9d1f26aea1febp-54},
    {0x1.3bc559212ef89p+0, -0x1.c069167914572p-56},
    {0x1.3bfc15eaadfb1p+0, 0x1.8c955f3f870aap-54},
    {0x1.3c32dc313a8e5p+0, -0x1.efff8375d29c3p-54},
    {0x1.3c69abf679c2ep+0, -0x1.ff9d4bed0b302p-55},
    {0x1.3ca0853c10f28p+0, 0x1.9b612c9a97edcp-54},
    {0x1.3cd76803a5c00p+0, 0x1.a1b9b5e634547p-54},
    {0x1.3d0e544ede173p+0, 0x1.fe8d08c284c71p-56},
    {0x1.3d454a1f602d0p+0, 0x1.e27c7263b3bbbp-56},
    {0x1.3d7c4976d27fap+0, -0x1.6a8b6efe6c152p-57},
    {0x1.3db35256dbd67p+0, 0x1.234deb4967645p-61},
    {0x1.3dea64c123422p+0, 0x1.ada0911f09ebcp-55},
    {0x1.3e2180b7501ccp+0, -0x1.612805f270c9dp-56},
    {0x1.3e58a63b0a09bp+0, -0x1.7e0252b7a548ap-54},
    {0x1.3e8fd54df8f5cp+0, -0x1.531feedde3206p-55},
    {0x1.3ec70df1c5175p+0, -0x1.af6637b8c9bcap-55},
    {0x1.3efe502816ee3p+0, 0x1.3c8cc97fbdc8dp-54},
    {0x1.3f359bf29743fp+0, -0x1.b6502050c36aap-54},
    {0x1.3f6cf152ef2b8p+0, -0x1.5f9709007e7b8p-56},
    {0x1.3fa4504ac801cp+0, -0x1.7d023f956f9f3p-54},
    {0x1.3fdbb8dbcb6d2p+0, -0x1.ec5d09213dd45p-55},
    {0x1.40132b07a35dfp+0, -0x1.76a483355fa84p-56},
    {0x1.404aa6cffa0e5p+0, 0x1.b2cab2b678fd0p-58},
    {0x1.40822c367a024p+0, 0x1.bddf8b6f4d048p-55},
    {0x1.40b9bb3cce07cp+0, -0x1.d815ee10729c4p-54},
    {0x1.40f153e4a136ap+0, -0x1.976147d73afd4p-55},
    {0x1.4128f62f9ef0ep+0, 0x1.7b08753cc5a02p-54},
    {0x1.4160a21f72e2ap+0, -0x1.ef3691c309278p-58},
    {0x1.419857b5c901fp+0, 0x1.ef492704ff0bdp-54},
    {0x1.41d016f44d8f5p+0, -0x1.edd01519b2f84p-55},
    {0x1.4207dfdcad153p+0, 0x1.a3440b1cce20dp-54},
    {0x1.423fb2709468ap+0, -0x1.8462dc0b314ddp-54},
    {0x1.42778eb1b0a8bp+0, -0x1.77309e2ea4bb4p-57},
    {0x1.42af74a1af3f1p+0, 0x1.391233bcfaea7p-55},
    {0x1.42e764423ddfdp+0, -0x1.b174298b91c73p-57},
    {0x1.431f5d950a897p+0, -0x1.1c7dde35f7999p-55},
    {0x1.4357609bc3850p+0, 0x1.46b54535f03dfp-58},
    {0x1.438f6d5817663p+0, -0x1.5f4a55726d308p-57},
    {0x1.43c783cbb50b4p+0, 0x1.b0b975e9fbf8bp-54},
    {0x1.43ffa3f84b9d4p+0, 0x1.880be9704c003p-55},
    {0x1.4437cddf8a8fep+0, -0x1.03f2fd07bc764p-55},
    {0x1.4470018321a1ap+0, -0x1.1db72ba02c9f7p-54},
    {0x1.44a83ee4c0dbdp+0, 0x1.c59940d6d6bbfp-54},
    {0x1.44e086061892dp+0, 0x1.89b7a04ef80d0p-59},
    {0x1.4518d6e8d965bp+0, 0x1.e920d68889050p-54},
    {0x1.4551318eb43ecp+0, -0x1.c6c6a45fd2998p-55},
    {0x1.458995f95a532p+0, -0x1.cae9ef64b9778p-54},
    {0x1.45c2042a7d232p+0, -0x1.8641982fb1f8ep-57},
    {0x1.45fa7c23ce7a4p+0, 0x1.d71e55959a5f5p-54},
    {0x1.4632fde7006f4p+0, -0x1.35fc2fa6ed511p-54},
    {0x1.466b8975c563ep+0, 0x1.f0f950ff8807fp-55},
    {0x1.46a41ed1d0057p+0, 0x1.c944bd1648a76p-54},
    {0x1.46dcbdfcd34c8p+0, 0x1.f93a89ff490d3p-55},
    {0x1.471566f8827d0p+0, -0x1.f88fcd7beb2f5p-59},
    {0x1.474e19c691265p+0, 0x1.c790b1e7cd0dap-55},
    {0x1.4786d668b3237p+0, -0x1.c20f0ed445733p-54},
    {0x1.47bf9ce09c9abp+0, 0x1.d208654e8f3b0p-54},
    {0x1.47f86d3001fe5p+0, 0x1.31d56d5833416p-57},
    {0x1.48314758980bfp+0, -0x1.16bcaedeb89eap-56},
    {0x1.486a2b5c13cd0p+0, 0x1.3c1a3b69062f0p-56},
    {0x1.48a3193c2a96cp+0, -0x1.d20ea89f54366p-54},
    {0x1.48dc10fa920a1p+0, 0x1.71f91caab9615p-54},
    {0x1.491512990013fp+0, 0x1.5062a3faffd36p-54},
    {0x1.494e1e192aed2p+0, -0x1.3b2895e499ea0p-55},
    {0x1.4987337cc91a5p+0, -0x1.1086d63966f40p-54},
    {0x1.49c052c5916c4p+0, 0x1.beb7d6865bab2p-57},
    {0x1.49f97bf53affdp+0, -0x1.ffacec0a583b8p-57},
    {0x1.4a32af0d7d3dep+0, 0x1.9cb62f3d1be56p-54},
    {0x1.4a6bec100fdbap+0, 0x1.7e22bde0dd62bp-55},
    {0x1.4aa532feaada6p+0, -0x1.be0fe368141a0p-54},
    {0x1.4ade83db0687ap+0, 0x1.6ebe732d485b0p-55},
    {0x1.4b17dea6db7d7p+0, -0x1.125b87f2897f0p-55},
    {0x1.4b514363e2a20p+0, 0x1.ebe41b7fb34a2p-54},
    {0x1.4b8ab213d5283p+0, -0x1.1a553a430a16cp-54},
    {0x1.4bc42ab86c8f1p+0, -0x1.9627b69c9b23bp-58},
    {0x1.4bfdad5362a27p+0, 0x1.d4397afec42e2p-56},
    {0x1.4c3739e6717aap+0, 0x1.6c368cccb81afp-54},
    {0x1.4c70d073537cap+0, 0x1.37586fcd9083ap-56},
    {0x1.4caa70fbc35a1p+0, -0x1.6b9927eb50812p-54},
    {0x1.4ce41b817c114p+0, 0x1.05e29690abd5dp-54},
    {0x1.4d1dd00638ed8p+0, -0x1.f1c6091a20d5fp-55},
    {0x1.4d578e8bb586bp+0, 0x1.efb0d287c6e23p-54},
    {0x1.4d915713adc1ep+0, 0x1.7a0457bc8675fp-56},
    {0x1.4dcb299fddd0dp+0, 0x1.8ecdbbc6a7833p-54},
    {0x1.4e05063202327p+0, 0x1.5bb8c91196d5cp-55},
    {0x1.4e3eeccbd7b2ap+0, 0x1.89a81e193b611p-57},
    {0x1.4e78dd6f1b6a6p+0, 0x1.2d729ccadd3a7p-54},
    {0x1.4eb2d81d8abffp+0, -0x1.5257d2e5d7a52p-54},
    {0x1.4eecdcd8e3669p+0, 0x1.0b59de06c2ea9p-54},
    {0x1.4f26eba2e35f0p+0, 0x1.470a97853189bp-54},
    {0x1.4f61047d48f73p+0, 0x1.857836c5fe756p-56},
    {0x1.4f9b2769d2ca7p+0, -0x1.4b309d25957e3p-54},
    {0x1.4fd5546a3fc17p+0, -0x1.6007105f1f19bp-55},
    {0x1.500f8b804f127p+0, -0x1.5ef3f782a2391p-55},
    {0x1.5049ccadc0412p+0, 0x1.3e8490d7f3ae9p-54},
    {0x1.508417f4531eep+0, 0x1.a249b49b7465fp-56},
    {0x1.50be6d55c7ca9p+0, 0x1.01aaeb517745cp-56},
    {0x1.50f8ccd3deb0dp+0, -0x1.1f895f0e2f60fp-56},
    {0x1.51333670588bfp+0, 0x1.3fb3e85abd390p-55},
    {0x1.516daa2cf6642p+0, -0x1.f768569bd93efp-55},
    {0x1.51a8280b798f4p+0, 0x1.1b22b59a79b1cp-55},
    {0x1.51e2b00da3b14p+0, -0x1.09dc978c2d695p-57},
    {0x1.521d423536bbep+0, -0x1.3cb1a1fbbf0f6p-59},
    {0x1.5257de83f4eefp+0, -0x1.c998d43efef71p-56},
    {0x1.529284fba0d84p+0, 0x1.f19495703be7dp-56},
    {0x1.52cd359dfd53dp+0, -0x1.cec6446cbd1a3p-55},
    {0x1.5307f06ccd8bap+0, 0x1.99d66d4000896p-54},
    {0x1.5342b569d4f82p+0, -0x1.07abe1db13cadp-55},
    {0x1.537d8496d75fcp+0, 0x1.c7ad64f0913a4p-55},
    {0x1.53b85df598d78p+0, -0x1.fe83ad1154a1ap-54},
    {0x1.53f34187ddc28p+0, -0x1.89132e88d3f94p-54},
    {0x1.542e2f4f6ad27p+0, 0x1.7926d192d5f7ep-55},
    {0x1.5469274e05078p+0, 0x1.8772d69371f4ep-54},
    {0x1.54a4298571b06p+0, -0x1.a08b582efaca3p-55},
    {0x1.54df35f7766a3p+0, 0x1.17f17702be611p-54},
    {0x1.551a4ca5d920fp+0, -0x1.d689cefede59bp-55},
    {0x1.55556d92600f1p+0, 0x1.aa5eac969cfe8p-55},
    {0x1.559098bed1bdfp+0, 0x1.4bccce5904465p-54},
    {0x1.55cbce2cf505bp+0, -0x1.e7fed48002ab1p-54},
    {0x1.56070dde910d2p+0, -0x1.0fb6e168eebf0p-54},
    {0x1.564257d56d4a2p+0, 0x1.0ce7de2257d1ep-54},
    {0x1.567dac1351819p+0, -0x1.6cc9b92f9338dp-54},
    {0x1.56b90a9a05c72p+0, -0x1.fe7648ef0471cp-54},
    {0x1.56f4736b527dap+0, 0x1.9bb2c011d93adp-54},
    {0x1.572fe68900573p+0, -0x1.27ec398b7dbb9p-54},
    {0x1.576b63f4d854cp+0, 0x1.cd4fad1261866p-54},
    {0x1.57a6ebb0a3c6dp+0, 0x1.41214855ad7fep-55},
    {0x1.57e27dbe2c4cfp+0, -0x1.0b98c8a57b9c4p-54},
    {0x1.581e1a1f3bd60p+0, 0x1.5841b4bffedbep-54},
    {0x1.5859c0d59ca07p+0, 0x1.70f80f6d151b8p-55},
    {0x1.589571e31939fp+0, 0x1.cf08219429d5fp-54},
    {0x1.58d12d497c7fdp+0, 0x1.295e15b9a1de8p-55},
    {0x1.590cf30a919edp+0, -0x1.3455227b530b0p-56},
    {0x1.5948c32824135p+0, -0x1.34e9078187b25p-59},
    {0x1.59849da3ffa96p+0, -0x1.f1d0e8d432c56p-57},
    {0x1.59c0827ff07ccp+0, -0x1.7e2cee467e60fp-54},
    {0x1.59fc71bdc2f8ep+0, 0x1.099840826d4f7p-57},
    {0x1.5a386b5f43d92p+0, 0x1.f6069380b8d75p-56},
    {0x1.5a746f664028bp+0, -0x1.234b8b5e6616fp-54},
    {0x1.5ab07dd485429p+0, 0x1.6324c054647adp-54},
    {0x1.5aec96abe0d1fp+0, 0x1.1466679291c48p-55},
    {0x1.5b28b9ee20d1ep+0, -0x1.687aca30682a8p-54},
    {0x1.5b64e79d138d8p+0, -0x1.d647e6290de0fp-55},
    {0x1.5ba11fba87a03p+0, -0x1.b77a14c233e1ap-54},
    {0x1.5bdd62484bf56p+0, 0x1.5cd1f896a925dp-55},
    {0x1.5c19af482fc8fp+0, -0x1.8e5770aa82b0ep-54},
    {0x1.5c5606bc02a6dp+0, -0x1.191b8704609dap-54},
    {0x1.5c9268a5946b7p+0, 0x1.c4b1b816986a2p-60},
    {0x1.5cced506b543ap+0, 0x1.eaf3e0132e765p-54},
    {0x1.5d0b4be135accp+0, -0x1.b8ded2fcd487ap-54},
    {0x1.5d47cd36e6747p+0, -0x1.7499e3bd3ae4ap-58},
    {0x1.5d84590998b93p+0, -0x1.cd6a7a8b45643p-54},
    {0x1.5dc0ef5b1de9ep+0, 0x1.368ba32eb7e07p-55},
    {0x1.5dfd902d47c65p+0, -0x1.d4927bc94f4ccp-54},
    {0x1.5e3a3b81e85ecp+0, 0x1.f9cd7f60e6871p-55},
    {0x1.5e76f15ad2148p+0, 0x1.ba6f93080e65ep-54},
    {0x1.5eb3b1b9d799ap+0, -0x1.c01574b3aaf8dp-55},
    {0x1.5ef07ca0cbf0fp+0, 0x1.7b7b016f3ade2p-54},
    {0x1.5f2d5211826e8p+0, -0x1.d16409e041cb7p-54},
    {0x1.5f6a320dceb71p+0, -0x1.9eadde3cdcf92p-55},
    {0x1.5fa71c9784c0bp+0, -0x1.6e9d9ceda07fep-54},
    {0x1.5fe411b078d26p+0, 0x1.fc4c5337e4394p-54},
    {0x1.6021115a7f849p+0, -0x1.c35f4cdc96215p-54},
    {0x1.605e1b976dc09p+0, -0x1.3e2429b56de47p-54},
    {0x1.609b306918c13p+0, 0x1.24e5c3602ea31p-54},
    {0x1.60d84fd15612ap+0, 0x1.5baf387937330p-55},
    {0x1.611579d1fb925p+0, 0x1.da5d5729bf5a4p-54},
    {0x1.6152ae6cdf6f4p+0, 0x1.e4b3e4ab84c27p-54},
    {0x1.618feda3d829fp+0, -0x1.b4bc231da85fbp-54},
    {0x1.61cd3778bc944p+0, 0x1.63633ea778bf9p-56},
    {0x1.620a8bed63d1fp+0, 0x1.5aeaa535bd4ccp-55},
    {0x1.6247eb03a5585p+0, -0x1.383c17e40b497p-54},
    {0x1.628554bd58ee5p+0, 0x1.1e49b562e1696p-55},
    {0x1.62c2c91c56acdp+0, 0x1.de5927c1708a2p-54},
    {0x1.6300482276fe8p+0, 0x1.d952a0bf40e80p-59},
    {0x1.633dd1d1929fdp+0, 0x1.84710beb964e5p-54},
    {0x1.637b662b829f5p+0, 0x1.3a55561fa713cp-54},
    {0x1.63b90532205d8p+0, -0x1.b04ea96997c15p-54},
    {0x1.63f6aee7458cdp+0, -0x1.a94896aad3993p-56},
    {0x1.6434634ccc320p+0, -0x1.c483c759d8933p-55},
    {0x1.647222648ea3dp+0, 0x1.c89917c3dd6e3p-54},
    {0x1.64afec30678b7p+0, -0x1.2a2f3bd4177d3p-54},
    {0x1.64edc0b231e41p+0, -0x1.17f152ce5e677p-55},
    {0x1.652b9febc8fb7p+0, -0x1.ae3d5c9a73e09p-54},
    {0x1.656989df08719p+0, -0x1.a244881b62afep-55},
    {0x1.65a77e8dcc390p+0, -0x1.91671c41cc2bdp-54},
    {0x1.65e57df9f096bp+0, 0x1.548ff0aa97490p-55},
    {0x1.6623882552225p+0, -0x1.bb60987591c34p-54},
    {0x1.66619d11cdc5fp+0, -0x1.0260308705930p-54},
    {0x1.669fbcc140be7p+0, 0x1.872063cf6798fp-54},
    {0x1.66dde735889b8p+0, -0x1.cc0f982f50321p-55},
    {0x1.671c1c70833f6p+0, -0x1.e8732586c6134p-55},
    {0x1.675a5c740edf5p+0, -0x1.9aa64a42987c1p-54},
    {0x1.6798a7420a036p+0, -0x1.0c928caabd378p-55},
    {0x1.67d6fcdc5386ap+0, 0x1.7dbe087e390b1p-54},
    {0x1.68155d44ca973p+0, 0x1.038ae44f73e65p-57},
    {0x1.6853c87d4eb62p+0, -0x1.b84f2e2c09fbcp-55},
    {0x1.68923e87bfb7ap+0, 0x1.f6854973b742cp-54},
    {0x1.68d0bf65fdc34p+0, -0x1.648e9f67a2df1p-55},
    {0x1.690f4b19e9538p+0, 0x1.804bd9aeb445dp-55},
    {0x1.694de1a563367p+0, -0x1.9ea9184a742f0p-54},
    {0x1.698c830a4c8d4p+0, -0x1.a24fd076a2899p-54},
    {0x1.69cb2f4a86ccap+0, 0x1.2e2a648a91555p-55},
    {0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54},
    {0x1.6a48a86475795p+0, 0x1.8445ea7a40f7fp-54},
    {0x1.6a877541ee718p+0, 0x1.11dd76fdd6672p-54},
    {0x1.6ac64d0241683p+0, -0x1.91e1657052e06p-57},
    {0x1.6b052fa75173ep+0, 0x1.a38f52c9a9d0ep-56},
    {0x1.6b441d3301feep+0, 0x1.02aa42cb79fbcp-54},
    {0x1.6b8315a736c75p+0, -0x1.35f1acc6972ebp-54},
    {0x1.6bc21905d3df0p+0, 0x1.9f3b3036335b4p-54},
    {0x1.6c012750bdabfp+0, -0x1.2895667ff0b0dp-56},
    {0x1.6c404089d8e7dp+0, 0x1.38011587c82a7p-54},
    {0x1.6c7f64b30aa09p+0, -0x1.6453f83de632ap-58},
    {0x1.6cbe93ce38381p+0, -0x1.32c568363f9abp-54},
    {0x1.6cfdcddd47645p+0, 0x1.c7aa9b6f17309p-54},
    {0x1.6d3d12e21e2fbp+0, 0x1.469def862c3cfp-54},
    {0x1.6d7c62dea2f8ap+0, 0x1.e624bfec2908fp-54},
    {0x1.6dbbbdd4bc720p+0, 0x1.7820ef32554d2p-58},
    {0x1.6dfb23c651a2fp+0, -0x1.bbe3a683c88abp-57},
    {0x1.6e3a94b549e71p+0, 0x1.6f710ee5a9aa1p-59},
    {0x1.6e7a10a38cee8p+0, -0x1.4022c7d2819e1p-54},
    {0x1.6eb9979302bddp+0, 0x1.dbd9e7e24a24fp-57},
    {0x1.6ef9298593ae5p+0, -0x1.0b9749e1ac8b2p-54},
    {0x1.6f38c67d286ddp+0, -0x1.a9064335735a2p-55},
    {0x1.6f786e7ba9fefp+0, -0x1.6886a4d66bc2ep-54},
    {0x1.6fb8218301b90p+0, 0x1.0d35757cf5902p-58},
    {0x1.6ff7df9519484p+0, -0x1.83c0f25860ef6p-55},
    {0x1.7037a8b3daadbp+0, 0x1.0484b9bba55e0p-56},
    {0x1.70777ce1303f6p+0, -0x1.370766994643fp-55},
    {0x1.70b75c1f04a84p+0, 0x1.9415ff9813127p-55},
    {0x1.70f7466f42e87p+0, 0x1.9d644d45aa65fp-58},
    {0x1.71373bd3d6551p+0, 0x1.8d91670a41adep-57},
    {0x1.71773c4eaa988p+0, -0x1.2a825be6cfe24p-54},
    {0x1.71b747e1abb24p+0, 0x1.80179cd4d4fbdp-56},
    {0x1.71f75e8ec5f74p+0, -0x1.16e4786887a99p-55},
    {0x1.72378057e611ap+0, 0x1.61f17f9110bc6p-55},
    {0x1.7277ad3ef9011p+0, -0x1.9f65bb8417329p-54},
    {0x1.72b7e545ec1a8p+0, 0x1.7d474d7a7baf1p-57},
    {0x1.72f8286ead08ap+0, -0x1.20aa02cd62c72p-54},
    {0x1.733876bb29cb8p+0, -0x1.5da7296987aedp-60},
    {0x1.7378d02d50b8fp+0, 0x1.8b41ecebff89fp-54},
    {0x1.73b934c7107c7p+0, 0x1.d09a3efa70db3p-54},
    {0x1.73f9a48a58174p+0, -0x1.0a8d96c65d53cp-54},
    {0x1.743a1f7916e05p+0, -0x1.3841b8aa8c77ap-54},
    {0x1.747aa5953c849p+0, -0x1.8f873623619b2p-54},
    {0x1.74bb36e0b906dp+0, -0x1.d3c3bcaa5680ap-54},
    {0x1.74fbd35d7cbfdp+0, 0x1.047fd618a6e1cp-54},
    {0x1.753c7b0d785e8p+0, 0x1.12f43f1b22cfdp-55},
    {0x1.757d2df29ce7cp+0, 0x1.19527ae80ec89p-55},
    {0x1.75bdec0edbb6bp+0, -0x1.23ffb621e4e8fp-54},
    {0x1.75feb564267c9p+0, -0x1.0245957316dd3p-54},
    {0x1.763f89f46f40fp+0, 0x1.ecd390629dfb0p-54},
    {0x1.768069c1a861dp+0, 0x1.d62703a28cf99p-54},
    {0x1.76c154cdc4937p+0, 0x1.d633d9bcf6515p-54},
    {0x1.77024b1ab6e09p+0, 0x1.b7877169147f8p-54},
    {0x1.77434caa72aa7p+0, 0x1.b1ce11d506211p-54},
    {0x1.7784597eeba8fp+0, -0x1.d6763647d9ca2p-54},
    {0x1.77c5719a15ea6p+0, -0x1.1f20a9cd3a4a4p-55},
    {0x1.780694fde5d3fp+0, 0x1.866b80a02162dp-54},
    {0x1.7847c3ac50219p+0, -0x1.25af35a60c781p-57},
    {0x1.7888fda749e5dp+0, 0x1.110a476eb9526p-54},
    {0x1.78ca42f0c88a5p+0, -0x1.412b502264b70p-54},
    {0x1.790b938ac1cf6p+0, 0x1.349a862aadd3ep-54},
    {0x1.794cef772bcc9p+0, -0x1.81495a20d39fcp-55},
    {0x1.798e56b7fcf03p+0, 0x1.ee11e10ef0644p-54},
    {0x1.79cfc94f2bfffp+0, 0x1.5d21bbac24550p-56},
    {0x1.7a11473eb0187p+0, -0x1.41577ee04992fp-55},
    {0x1.7a52d08880ad9p+0, 0x1.7f38afd3fd53ap-54},
    {0x1.7a94652e958aap+0, -0x1.73ce2886ce405p-54},
    {0x1.7ad60532e6d20p+0, -0x1.0032134b55365p-55},
    {0x1.7b17b0976cfdbp+0, -0x1.bebb58468dc88p-54},
    {0x1.7b59675e20defp+0, 0x1.6dff0dc5c4803p-54},
    {0x1.7b9b2988fb9ecp+0, 0x1.25e05bb469b48p-57},
    {0x1.7bdcf719f6bd7p+0, 0x1.cfe5aadc97961p-54},
    {0x1.7c1ed0130c132p+0, 0x1.f124cd1164dd6p-54},
    {0x1.7c60b47635cf9p+0, -0x1.27bbf10012926p-58},
    {0x1.7ca2a4456e7a3p+0, -0x1.25c3a2377fadbp-54},
    {0x1.7ce49f82b0f24p+0, 0x1.4a273f4472243p-54},
    {0x1.7d26a62ff86f0p+0, 0x1.1bddbfb72b8b4p-54},
    {0x1.7d68b84f407f8p+0, -0x1.6f0563cb13eb9p-55},
    {0x1.7daad5e2850acp+0, -0x1.33a50c0ce4ba0p-56},
    {0x1.7decfeebc24fep+0, 0x1.f18c4f56e5844p-55},
    {0x1.7e2f336cf4e62p+0, 0x1.05d02ba15797ep-56},
    {0x1.7e71736819bcdp+0, 0x1.113fae7f7be80p-54},
    {0x1.7eb3bedf2e1b9p+0, 0x1.1a92fd166cab9p-54},
    {0x1.7ef615d42fa24p+0, 0x1.0dfe793d695d5p-58},
    {0x1.7f3878491c491p+0, -0x1.07f11cf9311aep-55},
    {0x1.7f7ae63ff260ap+0, -0x1.73957c2142e9dp-54},
    {0x1.7fbd5fbab091fp+0, 0x1.efa4a3a96ff7fp-54},
    {0x1.7fffe4bb55decp+0, -0x1.683d58b2b00aap-56},
    {0x1.80427543e1a12p+0, -0x1.27c86626d972bp-54},
    {0x1.80851156538bep+0, -0x1.44d92d7c0cf26p-56},
    {0x1.80c7b8f4abaa9p+0, -0x1.ae7c35d63d803p-55},
    {0x1.810a6c20ea617p+0, -0x1.0bec5bfcd167cp-54},
    {0x1.814d2add106d9p+0, 0x1.464370d151d4dp-54},
    {0x1.818ff52b1ee50p+0, 0x1.6b93f9257f6d7p-55},
    {0x1.81d2cb0d1736ap+0, 0x1.422251b07b086p-58},
    {0x1.8215ac84fb2a6p+0, -0x1.b77e2258ef6f8p-54},
    {0x1.82589994cce13p+0, -0x1.d4c1dd41532d8p-54},
    {0x1.829b923e8ed53p+0, -0x1.9e25e90b2894dp-54},
    {0x1.82de968443d9ap+0, 0x1.3bc166320d9ccp-54},
    {0x1.8321a667ef1b2p+0, 0x1.1f5c1a72be122p-55},
    {0x1.8364c1eb941f7p+0, 0x1.99b9a31df2bd5p-54},
    {0x1.83a7e91136c5dp+0, 0x1.b43484c7ccb9cp-55},
    {0x1.83eb1bdadb46dp+0, 0x1.f48b2f8c93e44p-54},
    {0x1.842e5a4a8634ap+0, -0x1.be7a94b2353f1p-56},
    {0x1.8471a4623c7adp+0, -0x1.8d684a341cdfbp-55},
    {0x1.84b4fa24035eap+0, 0x1.40c07e65d1a84p-54},
    {0x1.84f85b91e07f1p+0, 0x1.40292415699dap-55},
    {0x1.853bc8add9d4cp+0, -0x1.24be06c342295p-54},
    {0x1.857f4179f5b21p+0, -0x1.ba748f8b216d0p-58},
    {0x1.85c2c5f83ac35p+0, 0x1.ff9d054817a66p-54},
    {0x1.8606562ab00ecp+0, 0x1.a8521803ef3cap-54},
    {0x1.8649f2135cf48p+0, 0x1.7631aacfee086p-54},
    {0x1.868d99b4492edp+0, -0x1.fc6f89bd4f6bap-54},
    {0x1.86d14d0f7cd1dp+0, 0x1.d42fab66a6fd8p-54},
    {0x1.87150c27004c2p+0, 0x1.3cbb932ba1d2ep-54},
    {0x1.8758d6fcdc666p+0, -0x1.b5089025077e8p-54},
    {0x1.879cad931a436p+0, 0x1.5d2d7d2db47bdp-55},
    {0x1.87e08febc3608p+0, 0x1.a2c3f6f28f230p-54},
    {0x1.88247e08e1957p+0, -0x1.3d58ca4ad8933p-57},
    {0x1.886877ec7f144p+0, -0x1.3ea6702d8d60fp-55},
    {0x1.88ac7d98a6699p+0, 0x1.994c2f37cb53ap-54},
    {0x1.88f08f0f627cbp+0, 0x1.180ef0e535af6p-54},
    {0x1.8934ac52be8f7p+0, 0x1.98181a63ad2a8p-54},
    {0x1.8978d564c63e7p+0, -0x1.893e13827869dp-58},
    {0x1.89bd0a478580fp+0, 0x1.d53954475202bp-54},
    {0x1.8a014afd08a94p+0, -0x1.df311f05dff4fp-54},
    {0x1.8a4597875c644p+0, 0x1.a508d46fb2c1dp-56},
    {0x1.8a89efe88dba1p+0, 0x1.1dc3310f04f03p-54},
    {0x1.8ace5422aa0dbp+0, 0x1.6e9f156864b27p-54},
    {0x1.8b12c437bf1d4p+0, -0x1.821b495d550b2p-55},
    {0x1.8b574029db01ep+0, 0x1.1709939065e99p-54},
    {0x1.8b9bc7fb0c302p+0, -0x1.e88e956f3e43dp-54},
    {0x1.8be05bad61778p+0, 0x1.ecb5efc43446ep-54},
    {0x1.8c24fb42ea033p+0, 0x1.87a27d82c58d7p-55},
    {0x1.8c69a6bdb5598p+0, -0x1.816caef5dfec0p-55},
    {0x1.8cae5e1fd35c4p+0, -0x1.930084bd7fea8p-54},
    {0x1.8cf3216b5448cp+0, -0x1.0d55e32e9e3aap-56},
    {0x1.8d37f0a248b7fp+0, 0x1.ee0efdc94174fp-55},
    {0x1.8d7ccbc6c19e6p+0, 0x1.adaa8b3e778e2p-57},
    {0x1.8dc1b2dad04c4p+0, -0x1.21eb179f61c5cp-57},
    {0x1.8e06a5e0866d9p+0, -0x1.7114a6fc9b2e6p-54},
    {0x1.8e4ba4d9f60a1p+0, -0x1.9cf256d7e5878p-55},
    {0x1.8e90afc931857p+0, 0x1.ba4c54c1b1faap-55},
    {0x1.8ed5c6b04b9f6p+0, -0x1.221cb9a0c4e9ep-54},
    {0x1.8f1ae99157736p+0, 0x1.5cc13a2e3976cp-55},
    {0x1.8f60186e68793p+0, 0x1.f479b2cd518c1p-54},
    {0x1.8fa553499284bp+0, -0x1.815b6ec103d0cp-54},
    {0x1.8fea9a24e9c5cp+0, -0x1.bdfbb566812f7p-54},
    {0x1.902fed0282c8ap+0, 0x1.592ca85fe3fd2p-54},
    {0x1.90754be472760p+0, 0x1.cb9279ff2c41dp-61},
    {0x1.90bab6ccce12cp+0, -0x1.5a36b1812f7afp-54},
    {0x1.91002dbdab403p+0, 0x1.ca2cb1f922680p-54},
    {0x1.9145b0b91ffc6p+0, -0x1.dd6792e582524p-54},
    {0x1.918b3fc142a19p+0, 0x1.15190bf442344p-55},
    {0x1.91d0dad829e70p+0, -0x1.f5e0d8cd2f3bcp-54},
    {0x1.921681ffece05p+0, -0x1.33210501f9003p-57},
    {0x1.925c353aa2fe2p+0, -0x1.3455fa639db7fp-55},
    {0x1.92a1f48a640dcp+0, -0x1.aad8b1bb57c81p-54},
    {0x1.92e7bff148396p+0, -0x1.72d01639e7220p-54},
    {0x1.932d977168083p+0, -0x1.c6cb15c36a3d2p-54},
    {0x1.93737b0cdc5e5p+0, -0x1.75fc781b57ebcp-57},
    {0x1.93b96ac5be7d1p+0, -0x1.de1177e8de7eep-54},
    {0x1.93ff669e2802bp+0, 0x1.53b769dad8e6ep-56},
    {0x1.94456e9832eadp+0, 0x1.fa3366c7de908p-54},
    {0x1.948b82b5f98e5p+0, -0x1.dc3d6797d2d99p-55},
    {0x1.94d1a2f996a33p+0, 0x1.6e0cffac6de83p-58},
    {0x1.9517cf65253d1p+0, -0x1.f5d0450666694p-54},
    {0x1.955e07fac0ccdp+0, -0x1.811ed1c537730p-54},
    {0x1.95a44cbc8520fp+0, -0x1.64b7c96a5f039p-56},
    {0x1.95ea9dac8e658p+0, 0x1.80447fc45fa54p-56},
    {0x1.9630faccf9243p+0, 0x1.0bec0c0f91530p-56},
    {0x1.9677641fe2446p+0, -0x1.3bd7b065ba2ddp-56},
    {0x1.96bdd9a7670b3p+0, -0x1.ba5967f19c896p-58},
    {0x1.97045b65a51bap+0, -0x1.001dfeab01c6fp-54},
    {0x1.974ae95cba768p+0, 0x1.02e9ebb071962p-57},
    {0x1.9791838ec57abp+0, -0x1.24205a071b9f2p-55},
    {0x1.97d829fde4e50p+0, -0x1.d185b7c1b85d1p-54},
    {0x1.981edcac37d05p+0, -0x1.275bdde6be8fcp-54},
    {0x1.98659b9bddb5bp+0, 0x1.279adf9fd115bp-54},
    {0x1.98ac66cef66c8p+0, -0x1.d07a1c7ed225cp-54},
    {0x1.98f33e47a22a2p+0, 0x1.cabdaa24c78edp-56},
    {0x1.993a220801829p+0, -0x1.13aa2cb16642fp-59},
    {0x1.9981121235681p+0, -0x1.a180aa7583e5ep-54},
    {0x1.99c80e685f2b5p+0, -0x1.053db4b2b4852p-54},
    {0x1.9a0f170ca07bap+0, -0x1.173bd91cee632p-54},
    {0x1.9a562c011b66dp+0, 0x1.27ad3980219bep-54},
    {0x1.9a9d4d47f2598p+0, -0x1.4d609893222adp-54},
    {0x1.9ae47ae3481edp+0, -0x1.652a15df51c58p-54},
    {0x1.9b2bb4d53fe0dp+0, -0x1.dd84e4df6d518p-54},
    {0x1.9b72fb1ffd285p+0, 0x1.b068ce5eb295fp-55},
    {0x1.9bba4dc5a3dd3p+0, 0x1.66c912c5f1786p-55},
    {0x1.9c01acc858463p+0, -0x1.cedbd247f7e7ap-54},
    {0x1.9c49182a3f090p+0, 0x1.c7c46b071f2bep-56},
    {0x1.9c908fed7d2aap+0, 0x1.5814021aaa4ecp-54},
    {0x1.9cd81414380f2p+0, 0x1.a6bd173ec7862p-54},
    {0x1.9d1fa4a09579dp+0, 0x1.21d78c7f228d7p-54},
    {0x1.9d674194bb8d5p+0, -0x1.516bea3dd8233p-54},
    {0x1.9daeeaf2d0cb8p+0, 0x1.d2aa432d220acp-56},
    {0x1.9df6a0bcfc15ep+0, 0x1.4bcb245c8e7c9p-64},
    {0x1.9e3e62f564ad5p+0, -0x1.9b0a651133bb9p-54},
    {0x1.9e86319e32323p+0, 0x1.824ca78e64c6ep-56},
    {0x1.9ece0cb98ca4bp+0, -0x1.801c02284c681p-54},
    {0x1.9f15f4499c647p+0, 0x1.432f731487969p-54},
    {0x1.9f5de8508a311p+0, 0x1.43db08e302c25p-54},
    {0x1.9fa5e8d07f29ep+0, -0x1.4a9ceaaf1facep-55},
    {0x1.9fedf5cba4ce0p+0, 0x1.8dc4ba3fc80a4p-55},
    {0x1.a0360f4424fcbp+0, -0x1.548de0c885750p-55},
    {0x1.a07e353c29f50p+0, 0x1.8b0d51404baf7p-54},
    {0x1.a0c667b5de565p+0, -0x1.359495d1cd533p-54},
    {0x1.a10ea6b36d1fep+0, -0x1.fc2a9d9d5274fp-56},
    {0x1.a156f23701b15p+0, 0x1.4ffcb1c953fd2p-54},
    {0x1.a19f4a42c7ca9p+0, -0x1.8f5531ce73129p-55},
    {0x1.a1e7aed8eb8bbp+0, 0x1.c6618ee8be70ep-54},
    {0x1.a2301ffb99757p+0, -0x1.82535c9bb81bdp-55},
    {0x1.a2789dacfe68cp+0, -0x1.9e2f2608ff33fp-57},
    {0x1.a2c127ef47a74p+0, 0x1.ad1c302cf108dp-54},
    {0x1.a309bec4a2d33p+0, 0x1.6305c7ddc36abp-54},
    {0x1.a352622f3def6p+0, 0x1.e224cafa6a1a6p-54},
    {0x1.a39b1231475f7p+0, 0x1.8360ad75bf0e9p-55},
    {0x1.a3e3ceccede7cp+0, -0x1.92f8dadbef84dp-54},
    {0x1.a42c980460ad8p+0, -0x1.aa780589fb120p-54},
    {0x1.a4756dd9cf36ep+0, -0x1.b5b78feddce50p-55},
    {0x1.a4be504f696b1p+0, -0x1.0e534b216c6a8p-54},
    {0x1.a5073f675f924p+0, -0x1.1e4e07a15f06fp-55},
    {0x1.a5503b23e255dp+0, -0x1.d2f6edb8d41e1p-54},
    {0x1.a599438722c03p+0, 0x1.7583c0070005fp-55},
    {0x1.a5e25893523d4p+0, 0x1.ddc8ca9dffa72p-55},
    {0x1.a62b7a4aa29a1p+0, 0x1.159fd2fba5a47p-54},
    {0x1.a674a8af46052p+0, 0x1.50f5630670366p-57},
    {0x1.a6bde3c36f0e6p+0, -0x1.f110eed6c3a20p-54},
    {0x1.a7072b8950a73p+0, -0x1.c6cd81ecd5c5ep-57},
    {0x1.a75080031e22bp+0, -0x1.3f007c70152fep-56},
    {0x1.a799e1330b358p+0, 0x1.bcb7ecac563c7p-54},
    {0x1.a7e34f1b4bf62p+0, -0x1.427a18b000a12p-56},
    {0x1.a82cc9be14dcap+0, 0x1.5778678031c65p-54},
    {0x1.a876511d9ac32p+0, 0x1.9adea483bc264p-55},
    {0x1.a8bfe53c12e59p+0, -0x1.4f867b2ba15a9p-54},
    {0x1.a909861bb2e1dp+0, -0x1.9b2eeacb61940p-54},
    {0x1.a95333beb0b7ep+0, -0x1.ad46b150cf4fap-54},
    {0x1.a99cee2742c9dp+0, 0x1.31ec4c4b993d5p-57},
    {0x1.a9e6b5579fdbfp+0, 0x1.0fac90ef7fd31p-54},
    {0x1.aa308951ff14dp+0, -0x1.fb2f4829a2c49p-54},
    {0x1.aa7a6a1897fd2p+0, 0x1.725ec3c304e53p-61},
    {0x1.aac457ada2803p+0, 0x1.45168a4231b3dp-56},
    {0x1.ab0e521356ebap+0, 0x1.89c31dae94545p-55},
    {0x1.ab58594bedefap+0, 0x1.18fa662ee7126p-60},
    {0x1.aba26d59a09eep+0, 0x1.cd1ec41e524a9p-54},
    {0x1.abec8e3ea86eep+0, -0x1.8e9c900989c41p-55},
    {0x1.ac36bbfd3f37ap+0, -0x1.f9234cae76cd0p-55},
    {0x1.ac80f6979f340p+0, 0x1.d37a605ec2d12p-54},
    {0x1.accb3e100301ep+0, -0x1.7f505bf57ecf5p-54},
    {0x1.ad159268a5a1cp+0, -0x1.a2c5edb37a8a3p-54},
    {0x1.ad5ff3a3c2774p+0, 0x1.7ef3bb6b1b8e5p-54},
    {0x1.adaa61c395493p+0, -0x1.ed01cfa5514d9p-55},
    {0x1.adf4dcca5a413p+0, 0x1.791fa997ef90fp-54},
    {0x1.ae3f64ba4dec6p+0, -0x1.11aeec74f393ep-54},
    {0x1.ae89f995ad3adp+0, 0x1.7a1cd345dcc81p-54},
    {0x1.aed49b5eb5803p+0, -0x1.29a29a4b04210p-55},
    {0x1.af1f4a17a4735p+0, -0x1.915f95760eb2fp-56},
    {0x1.af6a05c2b82e9p+0, 0x1.bfb261c9eec76p-54},
    {0x1.afb4ce622f2ffp+0, -0x1.4b2fc0f315ecdp-54},
    {0x1.afffa3f84858cp+0, 0x1.a3dcf5918fc12p-55},
    {0x1.b04a868742ee4p+0, 0x1.c1a01c43d2693p-57},
    {0x1.b09576115e994p+0, -0x1.b6dcf38e36c78p-55},
    {0x1.b0e07298db666p+0, -0x1.bdef54c80e425p-54},
    {0x1.b12b7c1ff9c61p+0, 0x1.f9c632edc52bcp-55},
    {0x1.b17692a8fa8cdp+0, 0x1.d63160ee10297p-54},
    {0x1.b1c1b6361ef31p+0, -0x1.47561259defb7p-54},
    {0x1.b20ce6c9a8952p+0, 0x1.4dd024a0756ccp-54},
    {0x1.b2582465d973cp+0, -0x1.57e8682359c26p-55},
    {0x1.b2a36f0cf3f3ap+0, -0x1.0a8720b3e06bdp-54},
    {0x1.b2eec6c13adddp+0, -0x1.c1101ac882070p-55},
    {0x1.b33a2b84f15fbp+0, -0x1.2805e3084d708p-57},
    {0x1.b3859d5a5b0b1p+0, -0x1.5a5363a787dc8p-54},
    {0x1.b3d11c43bbd62p+0, -0x1.3467d87ff2174p-54},
    {0x1.b41ca843581bap+0, 0x1.c1e8587c1aebbp-54},
    {0x1.b468415b749b1p+0, -0x1.f763de9df7c90p-56},
    {0x1.b4b3e78e56786p+0, -0x1.19a816c73b178p-54},
    {0x1.b4ff9ade433c6p+0, -0x1.fa2f8e36fef82p-54},
    {0x1.b54b5b4d80d4ap+0, -0x1.6d2e9dc8c0c7fp-54},
    {0x1.b59728de5593ap+0, -0x1.c71dfbbba6de3p-54},
    {0x1.b5e303930830cp+0, -0x1.0412b7fe754d2p-54},
    {0x1.b62eeb6ddfc87p+0, -0x1.9f7c84a9a3b9fp-56},
    {0x1.b67ae07123dc3p+0, -0x1.d718995c3dc81p-58},
    {0x1.b6c6e29f1c52ap+0, 0x1.2a8f352883f6ep-54},
    {0x1.b712f1fa1177bp+0, -0x1.6416660fa7574p-54},
    {0x1.b75f0e844bfc6p+0, 0x1.a1b9e0bd95b2ap-54},
    {0x1.b7ab384014f76p+0, -0x1.b5e2f20d57266p-54},
    {0x1.b7f76f2fb5e47p+0, -0x1.5584f7e54ac3bp-56},
    {0x1.b843b35578a51p+0, 0x1.15a7dd6b13a30p-56},
    {0x1.b89004b3a7804p+0, -0x1.90c333ffb24afp-54},
    {0x1.b8dc634c8d228p+0, 0x1.6c3ef27edb187p-55},
    {0x1.b928cf22749e4p+0, -0x1.b721654cb65c6p-54},
    {0x1.b9754837a96b7p+0, -0x1.416e3251c4df0p-55},
    {0x1.b9c1ce8e77680p+0, 0x1.a3307ae543910p-54},
    {0x1.ba0e62292ad7dp+0, 0x1.345fb7de3ec87p-55},
    {0x1.ba5b030a1064ap+0, -0x1.efcd30e54292ep-54},
    {0x1.baa7b133751e3p+0, -0x1.7d3cd50726a9dp-54},
    {0x1.baf46ca7a67a7p+0, 0x1.8d19c3ebe1ea1p-54},
    {0x1.bb413568f255ap+0, -0x1.ab0c6a618ca79p-54},
    {0x1.bb8e0b79a6f1fp+0, -0x1.f52d1c9696205p-60},
    {0x1.bbdaeedc12f82p+0, 0x1.fb174ab172a06p-54},
    {0x1.bc27df9285775p+0, 0x1.6f58bca6ba32bp-55},
    {0x1.bc74dd9f4de4fp+0, 0x1.cd652a296b19ep-54},
    {0x1.bcc1e904bc1d2p+0, 0x1.23dd07a2d9e84p-55},
    {0x1.bd0f01c520628p+0, -0x1.7d672a318ae8ep-54},
    {0x1.bd5c27e2cb5e5p+0, -0x1.25c5473ec3e56p-56},
    {0x1.bda95b600e20bp+0, -0x1.5c5ec9daa0c7fp-55},
    {0x1.bdf69c3f3a207p+0, -0x1.c262360ea5b52p-60},
    {0x1.be43ea82a13b5p+0, 0x1.16d9221ef76dcp-56},
    {0x1.be91462c95b60p+0, -0x1.879e57f67afecp-55},
    {0x1.bedeaf3f6a3c2p+0, 0x1.82080e91c3426p-55},
    {0x1.bf2c25bd71e09p+0, -0x1.efdca3f6b9c73p-54},
    {0x1.bf79a9a9001d2p+0, -0x1.cb89a95feacc0p-54},
    {0x1.bfc73b0468d30p+0, -0x1.7fc2bd9bc7402p-54},
    {0x1.c014d9d2004aap+0, -0x1.f38763c753311p-55},
    {0x1.c06286141b33dp+0, -0x1.d8a5aa1fbca34p-55},
    {0x1.c0b03fcd0ea5cp+0, 0x1.aaf7504132d94p-54},
    {0x1.c0fe06ff301f4p+0, 0x1.ff2f06da8099ap-54},
    {0x1.c14bdbacd586ap+0, -0x1.f494428d93a55p-59},
    {0x1.c199bdd85529cp+0, 0x1.11065895048ddp-55},
    {0x1.c1e7ad8405be6p+0, -0x1.867ebf823ca52p-54},
    {0x1.c235aab23e61ep+0, -0x1.64601deb2b32cp-54},
    {0x1.c283b56556999p+0, 0x1.b3ef1b730036ep-56},
    {0x1.c2d1cd9fa652cp+0, -0x1.6e51617c8a5d7p-54},
    {0x1.c31ff36385e29p+0, -0x1.567d517a02df0p-55},
    {0x1.c36e26b34e065p+0, 0x1.29e63e337f8a9p-54},
    {0x1.c3bc679157e38p+0, -0x1.a009c42deb093p-55},
    {0x1.c40ab5fffd07ap+0, 0x1.b4537e083c60ap-54},
    {0x1.c45912019768cp+0, -0x1.4934d97d58213p-54},
    {0x1.c4a77b9881650p+0, -0x1.915ef6cdef8d0p-54},
    {0x1.c4f5f2c715c31p+0, -0x1.7f2a5b840aac3p-57},
    {0x1.c544778fafb22p+0, 0x1.12f072493b5afp-54},
    {0x1.c59309f4aac9fp+0, 0x1.cc11a40633994p-57},
    {0x1.c5e1a9f8630adp+0, -0x1.9caa2e00697a7p-56},
    {0x1.c630579d34dddp+0, -0x1.9ea3da46103d7p-54},
    {0x1.c67f12e57d14bp+0, 0x1.2884dff483cadp-54},
    {0x1.c6cddbd398ea4p+0, -0x1.8ceb9c871b5cep-54},
    {0x1.c71cb269e601fp+0, -0x1.7f6ecb95815f0p-55},
    {0x1.c76b96aac2686p+0, -0x1.a8eb1d1349980p-56},
    {0x1.c7ba88988c933p+0, -0x1.e76bbbe255559p-55},
    {0x1.c8098835a3611p+0, 0x1.5d33b140137c9p-54},
    {0x1.c8589584661a1p+0, -0x1.0f3af432cdc42p-54},
    {0x1.c8a7b087346f4p+0, 0x1.6d3c9fd4ba36ep-54},
    {0x1.c8f6d9406e7b5p+0, 0x1.1acbc48805c44p-56},
    {0x1.c9460fb274c22p+0, 0x1.4fc3d8262d6eep-54},
    {0x1.c99553dfa8313p+0, 0x1.4b0255f572675p-54},
    {0x1.c9e4a5ca6a1f8p+0, 0x1.f4dc8199baa89p-56},
    {0x1.ca3405751c4dbp+0, -0x1.7f2bed10d08f5p-55},
    {0x1.ca8372e220e61p+0, -0x1.68499adb3a0aap-54},
    {0x1.cad2ee13da7cbp+0, 0x1.87d521ba089f4p-55},
    {0x1.cb22770cac0f9p+0, 0x1.d8f2bfcee2c21p-54},
    {0x1.cb720dcef9069p+0, 0x1.503cbd1e949dbp-56},
    {0x1.cbc1b25d25337p+0, 0x1.b2d5e667c3783p-54},
    {0x1.cc1164b994d23p+0, -0x1.e9ffb7156580ap-55},
    {0x1.cc6124e6ac88bp+0, 0x1.a303a11adfd64p-54},
    {0x1.ccb0f2e6d1675p+0, -0x1.d220f86009093p-56},
    {0x1.cd00cebc68e87p+0, 0x1.ca37436daafabp-57},
    {0x1.cd50b869d8f0fp+0, 0x1.20abfc58a6591p-54},
    {0x1.cda0aff187d02p+0, -0x1.af03ab1069772p-54},
    {0x1.cdf0b555dc3fap+0, -0x1.dd83b53829d72p-55},
    {0x1.ce40c8993d63dp+0, -0x1.8274709882335p-54},
    {0x1.ce90e9be12cb9p+0, 0x1.2a13fc0b63e9fp-57},
    {0x1.cee118c6c4709p+0, 0x1.5402ed434bf26p-55},
    {0x1.cf3155b5bab74p+0, -0x1.a08e9b86dff57p-54},
    {0x1.cf81a08d5e6ecp+0, 0x1.ebdcb622c9cbdp-54},
    {0x1.cfd1f95018d17p+0, -0x1.166c435088969p-54},
    {0x1.d022600053845p+0, 0x1.123d1e5a5d9c1p-55},
    {0x1.d072d4a07897cp+0, -0x1.cbc3743797a9cp-54},
    {0x1.d0c35732f2870p+0, 0x1.8d8cdd601a804p-57},
    {0x1.d113e7ba2c38cp+0, 0x1.2785752b6f21bp-56},
    {0x1.d164863890feep+0, -0x1.93c7a73be20a5p-54},
    {0x1.d1b532b08c968p+0, 0x1.55636219a36eep-54},
    {0x1.d205ed248b287p+0, -0x1.93556614515b1p-55},
    {0x1.d256b596f948cp+0, -0x1.a3e4ea3b2f7a4p-54},
    {0x1.d2a78c0a43f72p+0, 0x1.d87ea3ea844cbp-54},
    {0x1.d2f87080d89f2p+0, -0x1.d487b719d8578p-54},
    {0x1.d34962fd2517ap+0, 0x1.ed6f20390b27fp-54},
    {0x1.d39a638197a3cp+0, -0x1.85b78c128cd7ep-54},
    {0x1.d3eb72109ef21p+0, 0x1.3a8c93404bd5fp-55},
    {0x1.d43c8eacaa1d6p+0, 0x1.3db53bf5a1614p-54},
    {0x1.d48db95828ac7p+0, -0x1.f3963b95dbe9ep-54},
    {0x1.d4def2158a91fp+0, -0x1.cdf2e68e10b59p-54},
    {0x1.d53038e7402cep+0, -0x1.01c63b1a9bf8ap-54},
    {0x1.d5818dcfba487p+0, 0x1.2ed02d75b3707p-55},
    {0x1.d5d2f0d16a1c3p+0, -0x1.545567e9b541cp-54},
    {0x1.d62461eec14bep+0, 0x1.223aa2bd32658p-54},
    {0x1.d675e12a31e7fp+0, 0x1.9baa82066f55dp-55},
    {0x1.d6c76e862e6d3p+0, 0x1.fe87a4a8165a0p-58},
    {0x1.d7190a0529c51p+0, -0x1.1b767e396b335p-57},
    {0x1.d76ab3a99745bp+0, -0x1.84b279b977de0p-57},
    {0x1.d7bc6b75eab1fp+0, -0x1.fb5b7a6b8ea7ep-56},
    {0x1.d80e316c98398p+0, -0x1.11ec18beddfe8p-54},
    {0x1.d86005901478fp+0, -0x1.85859dac3fd21p-55},
    {0x1.d8b1e7e2d479dp+0, -0x1.0ecc71e1dd728p-55},
    {0x1.d903d8674db2bp+0, 0x1.45e4438b84df1p-54},
    {0x1.d955d71ff6075p+0, 0x1.a052dbb9af6bep-54},
    {0x1.d9a7e40f43c89p+0, 0x1.931ed9a7cb871p-54},
    {0x1.d9f9ff37adb4ap+0, -0x1.0b22123ad1988p-54},
    {0x1.da4c289baaf6ep+0, 0x1.23ad7ba8c0d4ep-54},
    {0x1.da9e603db3285p+0, 0x1.c2300696db532p-54},
    {0x1.daf0a6203e4f5p+0, 0x1.755ce23313a20p-54},
    {0x1.db42fa45c4dfdp+0, 0x1.464497a1b4103p-55},
    {0x1.db955cb0bfbb6p+0, 0x1.8ed086e0b2d70p-57},
    {0x1.dbe7cd63a8315p+0, -0x1.b76f1926b8be4p-54},
    {0x1.dc3a4c60f7feap+0, -0x1.dfbeccfa0c498p-55},
    {0x1.dc8cd9ab294e4p+0, 0x1.751d3390c4ab9p-54},
    {0x1.dcdf7544b6b92p+0, -0x1.56ab945b96b21p-58},
    {0x1.dd321f301b460p+0, 0x1.2da5778f018c3p-54},
    {0x1.dd84d76fd269ep+0, 0x1.09df71c240ca6p-54},
    {0x1.ddd79e065807dp+0, 0x1.1e846990935d0p-54},
    {0x1.de2a72f628712p+0, 0x1.a4934eeabe3acp-54},
    {0x1.de7d5641c0658p+0, -0x1.ca5528e79ba8fp-54},
    {0x1.ded047eb9d12dp+0, -0x1.6c407e75005a1p-54},
    {0x1.df2347f63c159p+0, -0x1.1cb486bfb8ea4p-55},
    {0x1.df7656641b78cp+0, -0x1.871f61cf404e4p-55},
    {0x1.dfc97337b9b5fp+0, -0x1.1a5cd4f184b5cp-54},
    {0x1.e01c9e7395b56p+0, -0x1.51c530bee2cb0p-54},
    {0x1.e06fd81a2ece1p+0, -0x1.0d77a4789fc84p-54},
    {0x1.e0c3202e04c5dp+0, 0x1.edc4fa9e55636p-55},
    {0x1.e11676b197d17p+0, -0x1.2b529bd5c7f44p-56},
    {0x1.e169dba768949p+0, 0x1.56572aefa5c3bp-55},
    {0x1.e1bd4f11f8220p+0, 0x1.53855b6c7ee95p-55},
    {0x1.e210d0f3c7fbap+0, 0x1.49d95e4016c78p-55},
    {0x1.e264614f5a129p+0, -0x1.7b627817a1496p-54},
    {0x1.e2b8002730c71p+0, 0x1.f6720b82a2089p-54},
    {0x1.e30bad7dcee90p+0, 0x1.4036d1ded17acp-54},
    {0x1.e35f6955b7b78p+0, -0x1.ecbae97310432p-54},
    {0x1.e3b333b16ee12p+0, -0x1.9f4a431fdc68bp-54},
    {0x1.e4070c9378842p+0, 0x1.2e6a9e3078911p-54},
    {0x1.e45af3fe592e8p+0, -0x1.2623713eaad2ep-55},
    {0x1.e4aee9f495ddcp+0, 0x1.9c5495a7a9e1fp-55},
    {0x1.e502ee78b3ff6p+0, 0x1.39e8980a9cc8fp-55},
    {0x1.e557018d3970bp+0, -0x1.6a8e1604910ebp-54},
    {0x1.e5ab2334ac7eep+0, -0x1.06b148ae42258p-56},
    {0x1.e5ff537193e75p+0, -0x1.7a31ba99ef505p-55},
    {0x1.e653924676d76p+0, -0x1.63ff87522b735p-55},
    {0x1.e6a7dfb5dcecap+0, 0x1.e5ba31b3a36e6p-54},
    {0x1.e6fc3bc24e350p+0, 0x1.c80ff0defb85bp-54},
    {0x1.e750a66e532ebp+0, -0x1.6f675c936ad2ep-55},
    {0x1.e7a51fbc74c83p+0, 0x1.2d522ca0c8de2p-54},
    {0x1.e7f9a7af3c60bp+0, 0x1.90bc7adb51b04p-54},
    {0x1.e84e3e4933c7ep+0, -0x1.41295a3f6ff00p-54},
    {0x1.e8a2e38ce53dfp+0, 0x1.76d2a87098564p-58},
    {0x1.e8f7977cdb740p+0, -0x1.1089480b054b1p-54},
    {0x1.e94c5a1ba18bdp+0, -0x1.18d428df0d4b3p-55},
    {0x1.e9a12b6bc3181p+0, 0x1.8b73d3d8d0823p-54},
    {0x1.e9f60b6fcc1c7p+0, 0x1.bdf35d1c8e3afp-54},
    {0x1.ea4afa2a490dap+0, -0x1.e9c23179c2893p-54},
    {0x1.ea9ff79dc6d14p+0, -0x1.ecaf05ff691e9p-55},
    {0x1.eaf503ccd2be5p+0, 0x1.79cf665c76b10p-56},
    {0x1.eb4a1eb9fa9d1p+0, -0x1.ec9bfef91b7a0p-54},
    {0x1.eb9f4867cca6ep+0, 0x1.4832f2293e4f2p-54},
    {0x1.ebf480d8d786dp+0, 0x1.26dc90fd48117p-54},
    {0x1.ec49c80faa594p+0, -0x1.91db1fa5e4e64p-57},
    {0x1.ec9f1e0ed4ac2p+0, -0x1.8a928c28f7d0ap-55},
    {0x1.ecf482d8e67f1p+0, -0x1.c93f3b411ad8cp-54},
    {0x1.ed49f67070435p+0, 0x1.42e7796d91d76p-54},
    {0x1.ed9f78d802dc2p+0, -0x1.e9293de204116p-56},
    {0x1.edf50a122f9e6p+0, -0x1.1966e55dff8dfp-56},
    {0x1.ee4aaa2188510p+0, 0x1.1c68da487568dp-54},
    {0x1.eea059089f2d0p+0, 0x1.7c06139a86427p-56},
    {0x1.eef616ca06dd6p+0, 0x1.2d876b0b940d3p-55},
    {0x1.ef4be368527f6p+0, 0x1.794293aac53a5p-57},
    {0x1.efa1bee615a27p+0, 0x1.dc7f486a4b6b0p-54},
    {0x1.eff7a945e4487p+0, 0x1.8f7cacf155926p-54},
    {0x1.f04da28a52e59p+0, 0x1.69a19a4a2daadp-54},
    {0x1.f0a3aab5f6609p+0, -0x1.4d7f153d63237p-54},
    {0x1.f0f9c1cb6412ap+0, -0x1.3220065181d45p-54},
    {0x1.f14fe7cd31c7bp+0, 0x1.959c8103bd89cp-57},
    {0x1.f1a61cbdf5be7p+0, -0x1.3a0db8e45753dp-55},
    {0x1.f1fc60a046a84p+0, -0x1.b9373717dc169p-58},
    {0x1.f252b376bba97p+0, 0x1.3a1a5bf0d8e43p-54},
    {0x1.f2a91543ec595p+0, -0x1.09885d04b1947p-57},
    {0x1.f2ff860a70c22p+0, -0x1.bf9d712240136p-54},
    {0x1.f35605cce1613p+0, 0x1.bbe2506793edbp-54},
    {0x1.f3ac948dd7274p+0, -0x1.95a5a3ed837dep-56},
    {0x1.f403324feb781p+0, -0x1.f0195b5624c68p-54},
    {0x1.f459df15b82acp+0, 0x1.3819ce47a2d42p-54},
    {0x1.f4b09ae1d78a1p+0, 0x1.7f6556acd7f4dp-58},
    {0x1.f50765b6e4540p+0, 0x1.9d3e12dd8a18bp-54},
    {0x1.f55e3f9779ba5p+0, 0x1.a00918bb6368ap-54},
    {0x1.f5b5288633625p+0, 0x1.e4fe7272853d5p-54},
    {0x1.f60c2085ad652p+0, -0x1.bf29ad99f8870p-55},
    {0x1.f6632798844f8p+0, 0x1.fa37b3539343ep-54},
    {0x1.f6ba3dc155226p+0, 0x1.2bbf539ccf624p-58},
    {0x1.f7116302bd526p+0, 0x1.0871fa5acb04ep-54},
    {0x1.f768975f5ac86p+0, -0x1.02f0e620d041bp-55},
    {0x1.f7bfdad9cbe14p+0, -0x1.dbb12d006350ap-54},
    {0x1.f8172d74af6e1p+0, 0x1.7b1c2ed3dbf85p-55},
    {0x1.f86e8f32a4b45p+0, 0x1.2baee59d08d56p-54},
    {0x1.f8c600164b6dcp+0, 0x1.df327acd1ecc9p-56},
    {0x1.f91d802243c89p+0, -0x1.12ea8a779f689p-57},
    {0x1.f9750f592e677p+0, 0x1.d75a88a850f00p-54},
    {0x1.f9ccadbdac61dp+0, -0x1.ab8cdee7db21ap-55},
    {0x1.fa245b525f439p+0, -0x1.7a1ccf69f0aa0p-59},
    {0x1.fa7c1819e90d8p+0, 0x1.74853f3a5931ep-55},
    {0x1.fad3e416ec354p+0, -0x1.103b38b041f5ep-55},
    {0x1.fb2bbf4c0ba54p+0, 0x1.5e25207ff7e4fp-55},
    {0x1.fb83a9bbeabd1p+0, 0x1.e5f43b4fffd57p-56},
    {0x1.fbdba3692d514p+0, -0x1.9677315098eb6p-56},
    {0x1.fc33ac5677ab8p+0, 0x1.22d4cfc8cfe63p-55},
    {0x1.fc8bc4866e8adp+0, 0x1.5cb1f0c14583bp-55},
    {0x1.fce3ebfbb7237p+0, 0x1.25a030b78d086p-54},
    {0x1.fd3c22b8f71f1p+0, 0x1.2eb74966579e7p-57},
    {0x1.fd9468c0d49ccp+0, 0x1.ee0faec882925p-54},
    {0x1.fdecbe15f6314p+0, 0x1.e511aca9f0528p-54},
    {0x1.fe4522bb02e6ep+0, -0x1.3a3209247bb4bp-56},
    {0x1.fe9d96b2a23d9p+0, 0x1.4a6037442fde3p-56},
    {0x1.fef619ff7c2b3p+0, -0x1.8ae49c7ddff34p-55},
    {0x1.ff4eaca4391b6p+0, -0x1.2e60c5e4b7047p-55},
    {0x1.ffa74ea381efcp+0, 0x1.0bd3b9f8ae013p-55},
};
// clang-format on
// END GENERATED TABLES

static_assert(sizeof kLog1 / sizeof kLog1[0] == kLog1Last - kLog1First + 1, "log table 1 range");
static_assert(sizeof kLog2 / sizeof kLog2[0] == kLog2Last - kLog2First + 1, "log table 2 range");

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr uint64_t kSignBit = uint64_t{1} << 63;
constexpr uint64_t kMinNormalBits = 0x0010000000000000;  // 2^-1022
constexpr uint64_t kInfinityBits = 0x7FF0000000000000;
// Outside [2^-80, 2^64) the exponent alone settles the result once the base is neither 0 nor 1.
constexpr uint64_t kTinyExponentBits = 0x3AF0000000000000;
constexpr uint64_t kHugeExponentBits = 0x43F0000000000000;
// Adding this rounds a double below 2^51 in magnitude to an integer held in the low mantissa
// bits: shorter latency than a conversion, and no out-of-range conversion is possible.
constexpr double kRoundShift = 0x1.8p52;

uint64_t Bits(double x) {
  uint64_t u;
  std::memcpy(&u, &x, sizeof u);
  return u;
}

double FromBits(uint64_t u) {
  double x;
  std::memcpy(&x, &u, sizeof x);
  return x;
}

// Exact when |a| >= |b| or a == 0.
DoubleDouble FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// Dekker's split and product: exact while |a|, |b| < 2^996 and nothing underflows.
DoubleDouble Split(double a) {
  const double t = 134217729.0 * a;  // 2^27 + 1
  const double hi = t - (t - a);
  return {hi, a - hi};
}

DoubleDouble TwoProduct(double a, double b) {
  const double p = a * b;
  const DoubleDouble x = Split(a);
  const DoubleDouble y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// log x for x = 2^k * FromBits(ix), ix a positive normal. Relative error about 2^-90, rising to
// 2^-82 within 2^-7 of 1. Left unnormalized, |lo| < 2^-48 |hi|, which spares the caller's critical
// path a renormalization.
DoubleDouble Log(uint64_t ix, int k) {
  // x = 2^kz z with z in [offset, 2 offset), so both sides of 1 share the exact entry log 1 = 0.
  const int kz = static_cast<int>((ix - kLogOffsetBits + (uint64_t{2048} << 52)) >> 52) - 2048;
  const uint64_t iz = ix - (static_cast<uint64_t>(static_cast<int64_t>(kz)) << 52);
  const double z = FromBits(iz);
  const double kd = k + kz;
  const DoubleDouble kLn2 = FastTwoSum(kd * kLn2Hi, kd * kLn2Lo);  // ready long before the rest

  // z * inv1 * inv2 = 1 + r with |r| < 2^-14.9. inv1 has 10 bits and inv2 15, so with z split
  // into 28 + 25 bits both partial products are exact and r comes out as an exact pair.
  const uint64_t i = Bits(z * 64.0 + kRoundShift) - Bits(kRoundShift);
  const LogEntry1& e1 = kLog1[i - kLog1First];
  const double w = z * e1.inv - 1.0;
  // 1/(1 + w) - 1 ~ w^2 - w, good to 2^-19 here.
  const double mShifted = (w * w - w) * 16384.0 + kRoundShift;
  const DoubleDouble& e2 = kLog2[Bits(mShifted) - Bits(kRoundShift) - kLog2First];
  const double invc = e1.inv * (1.0 + (mShifted - kRoundShift) * 0x1p-14);
  const double zh = FromBits(iz & ~uint64_t{0x1FFFFFF});
  const DoubleDouble r = TwoSum(zh * invc - 1.0, (z - zh) * invc);

  // log1p r = r - r^2/2 + r^3 (1/3 - r/4 + r^2/5 - r^3/6) + O(2^-104). The square is kept exact;
  // the cubic tail is below 2^-45, so plain doubles suffice there, but it joins the high part so
  // that lo stays within a few ulps of hi.
  const DoubleDouble sq = TwoProduct(r.hi, r.hi);
  const double tail = r.hi * sq.hi * ((1.0 / 3 - 0.25 * r.hi) + sq.hi * (0.2 + r.hi * (-1.0 / 6)));
  const DoubleDouble c = FastTwoSum(-0.5 * sq.hi, tail);
  const DoubleDouble u = FastTwoSum(r.hi, c.hi);
  const double uLo = u.lo + (r.lo + (c.lo - (0.5 * sq.lo + r.hi * r.lo)));

  // Magnitudes decrease term by term (|log inv1| > 2^-6.1 > |log inv2| unless a term is 0, and
  // |log inv2| > 2^-14 > |r| likewise), so each step is an exact FastTwoSum.
  const DoubleDouble s1 = FastTwoSum(kLn2.hi, e1.logHi);
  const DoubleDouble s2 = FastTwoSum(s1.hi, e2.hi);
  const DoubleDouble s3 = FastTwoSum(s2.hi, u.hi);
  return {s3.hi, (kLn2.lo + (e1.logLo + e2.lo)) + ((s1.lo + s2.lo) + (s3.lo + uLo))};
}

// The power as (hi + lo) 2^scale, hi in [0.999, 2.001].
struct Scaled {
  double hi, lo;
  int scale;
};

// e^(ah + al) for |ah| <= 746, |al| < 2^-39, with relative error about 2^-88.
Scaled Exp(double ah, double al) {
  // a = n ln2 / 1024 + h + l with |h| <= 2^-11.5. The step's leading parts have 29 and 32 bits,
  // so their products with |n| < 2^21 are exact, and so is the first difference.
  const double shifted = ah * kExpInvStep + kRoundShift;
  const double nd = shifted - kRoundShift;
  const uint64_t nb = Bits(shifted) - Bits(kRoundShift) + (uint64_t{1} << 40);  // n + 2^40 > 0
  const DoubleDouble& t = kExp2[nb & 1023];
  const DoubleDouble s = TwoSum(ah - nd * kExpStepHi, -(nd * kExpStepMid));
  // l (< 2^-39) stays unnormalized and enters through its low-order terms below.
  const double h = s.hi;
  const double l = s.lo + (al - nd * kExpStepLo);

  // e^(h + l) - 1 = h + h^2/2 + h^3 (1/6 + h/24 + h^2/120 + h^3/720)
  //               + l (1 + h + h^2/2 + h^3/6) + l^2/2 + O(2^-89).
  const DoubleDouble sq = TwoProduct(h, h);
  const double tail =
      h * sq.hi * ((1.0 / 6 + h * (1.0 / 24)) + sq.hi * (1.0 / 120 + h * (1.0 / 720)));
  const double cross = l * (h + sq.hi * (0.5 + h * (1.0 / 6))) + 0.5 * l * l;
  const DoubleDouble q = FastTwoSum(h, 0.5 * sq.hi);
  const double qLo = q.lo + (l + ((0.5 * sq.lo + tail) + cross));

  // 2^(j/1024) (1 + q), with 2^(j/1024) in [1, 2) dominating.
  const DoubleDouble p = TwoProduct(t.hi, q.hi);
  const DoubleDouble v = FastTwoSum(t.hi, p.hi);
  const double vLo = v.lo + (p.lo + (t.hi * qLo + (t.lo + t.lo * q.hi)));
  return {v.hi, vLo, static_cast<int>(nb >> 10) - (1 << 30)};
}

// d = odd 2^scale.
struct Dyadic {
  uint64_t odd;
  int scale;
};

Dyadic ToDyadic(double positive) {
  const uint64_t b = Bits(positive);
  const int biased = static_cast<int>(b >> 52);
  Dyadic d = {b & 0xFFFFFFFFFFFFF, biased == 0 ? -1074 : biased - 1075};
  if (biased != 0) d.odd |= uint64_t{1} << 52;
  while ((d.odd & 1) == 0) {
    d.odd >>= 1;
    ++d.scale;
  }
  return d;
}

// The square root of v < 2^54 if v is a perfect square, else 0.
uint64_t ExactSqrt(uint64_t v) {
  uint64_t lo = 0, hi = uint64_t{1} << 27;  // root in [lo, hi)
  while (hi - lo > 1) {
    const uint64_t mid = (lo + hi) / 2;
    (mid * mid <= v ? lo : hi) = mid;
  }
  return lo * lo == v ? lo : 0;
}

// Whether base^exponent == odd 2^scale exactly, for base > 0 and a finite nonzero exponent.
// Only powers like that can sit exactly on a rounding boundary.
bool IsExactPower(double base, double exponent, uint64_t odd, int scale) {
  const Dyadic x = ToDyadic(base);
  if (x.odd == 1) {  // the power is 2^(x.scale exponent)
    const DoubleDouble e = TwoProduct(x.scale, exponent);
    return odd == 1 && e.lo == 0.0 && e.hi == scale;
  }
  // Otherwise exponent = n / 2^k (n odd, or k = 0) with n > 0, and x.odd must be some s^(2^k)
  // with s^n = odd. s >= 3 and odd < 2^54 leave only k <= 5 and n <= 34.
  if (exponent < 0.0) return false;
  const Dyadic y = ToDyadic(exponent);
  const int k = y.scale < 0 ? -y.scale : 0;
  if (k > 5 || y.scale > 5 || x.scale % (1 << k) != 0) return false;
  const uint64_t n = y.odd << (y.scale > 0 ? y.scale : 0);
  if (n > 34) return false;
  uint64_t root = x.odd;
  for (int i = 0; i < k; ++i) {
    if ((root = ExactSqrt(root)) == 0) return false;
  }
  uint64_t power = 1;
  for (uint64_t i = 0; i < n; ++i) {
    if (power > odd / root) return false;
    power *= root;
  }
  return power == odd && x.scale / (1 << k) * static_cast<int>(n) == scale;
}

// RN(v), with v's error (2^-74 at worst in testing) covered by a window of 2^-67 around rounding
// boundaries.
// A boundary inside the window is either the exact power, which then rounds to even, or so close
// to it that the approximation's side is kept.
double Round(const Scaled& v, double base, double exponent) {
  double r = v.hi + v.lo;
  const double below = v.hi + (v.lo - 0x1p-67);
  const double above = v.hi + (v.lo + 0x1p-67);
  if (below != above) {
    const uint64_t b = Bits(below);
    const uint64_t mantissa = (b & 0xFFFFFFFFFFFFF) | (uint64_t{1} << 52);
    if (IsExactPower(base, exponent, 2 * mantissa + 1, static_cast<int>(b >> 52) - 1076 + v.scale))
      r = (mantissa & 1) ? above : below;
  }
  const uint64_t rb = Bits(r);
  const int biased = static_cast<int>(rb >> 52) + v.scale;
  if (biased >= 2047) return kInfinity;
  if (biased > 0)
    return FromBits(rb + (static_cast<uint64_t>(static_cast<int64_t>(v.scale)) << 52));

  // Subnormal: scale to M = v 2^1022 < 1 and round 1 + M, whose ulp 2^-52 is the subnormal
  // spacing 2^-1074 scaled the same way. scale >= -1077, so the factor is normal.
  const double factor = FromBits(static_cast<uint64_t>(2045 + v.scale) << 52);  // 2^(scale+1022)
  const double mh = v.hi * factor;
  const double hi = 1.0 + mh;
  const double lo = ((1.0 - hi) + mh) + v.lo * factor;
  const double window = mh * 0x1p-67;
  double c = hi + lo;
  const double cBelow = hi + (lo - window);
  const double cAbove = hi + (lo + window);
  if (cBelow != cAbove) {
    const uint64_t units = Bits(cBelow) - Bits(1.0);  // multiples of 2^-1074 below the boundary
    if (IsExactPower(base, exponent, 2 * units + 1, -1075)) c = (units & 1) ? cAbove : cBelow;
  }
  return (c - 1.0) * 0x1p-1022;
}

}  // namespace

double CurvePower(double base, double exponent) {
  uint64_t ix = Bits(base);
  const uint64_t iy = Bits(exponent) & ~kSignBit;
  int k = 0;
  if (ix - kMinNormalBits >= kInfinityBits - kMinNormalBits ||
      iy - kTinyExponentBits >= kHugeExponentBits - kTinyExponentBits) {
    if (exponent == 0.0 || base == 1.0) return 1.0;
    if (base != base || exponent != exponent || base < 0.0) return kNaN;
    if (base == 0.0) return exponent < 0.0 ? kInfinity : 0.0;  // -0 included
    if (base == kInfinity) return exponent < 0.0 ? 0.0 : kInfinity;
    // |log base| >= 2^-53, so |exponent log base| >= 2^11: far past overflow or underflow.
    if (iy >= kHugeExponentBits) return (base > 1.0) == (exponent > 0.0) ? kInfinity : 0.0;
    // |exponent log base| < 2^-70, and e^a rounds to 1.
    if (iy < kTinyExponentBits) return 1.0;
    ix = Bits(base * 0x1p52);  // subnormal base
    k = -52;
  }
  const DoubleDouble log = Log(ix, k);
  const DoubleDouble product = TwoProduct(exponent, log.hi);
  if (!(product.hi <= 710.0)) return kInfinity;  // e^710 > DBL_MAX
  if (product.hi < -746.0) return 0.0;           // e^-746 < 2^-1076, which rounds to 0
  return Round(Exp(product.hi, product.lo + exponent * log.lo), base, exponent);
}

namespace {

// Exact powers of two for the estimate, which scales by table lookups rather than by assembling
// bit patterns: on the 32-bit build those cost a trip through memory each.
struct PowersOfTwo {
  double low[32];       // 2^0 .. 2^31
  double high[4];       // 2^0, 2^32, 2^64, 2^96
  double negative[64];  // 2^0 .. 2^-63
};

constexpr PowersOfTwo MakePowersOfTwo() {
  PowersOfTwo p{};
  double v = 1.0;
  for (int i = 0; i < 32; ++i, v *= 2.0) p.low[i] = v;
  v = 1.0;
  for (int i = 0; i < 4; ++i, v *= 4294967296.0) p.high[i] = v;
  v = 1.0;
  for (int i = 0; i < 64; ++i, v *= 0.5) p.negative[i] = v;
  return p;
}

constexpr PowersOfTwo kPowersOfTwo = MakePowersOfTwo();
constexpr uint32_t kLogOffsetFloatBits = 0x3F350000;  // kLogOffsetBits as a float
static_assert(kLogOffsetBits == ((uint64_t{kLogOffsetFloatBits >> 23} + 1023 - 127) << 52 |
                                 uint64_t{kLogOffsetFloatBits & 0x7FFFFF} << 29),
              "regenerated log tables need a matching float offset");

inline double Estimate(float base, double exponent) {
  if (!(base >= 0x1p-126f && base <= 1.0f && exponent >= 0.0625 && exponent <= 16.0)) return -1.0;
  // The exact path's reductions in plain doubles. Every rounding below is relative 2^-53 of a
  // term no larger than |exponent log base| <= 42 once past the cut-off, and the shortened series
  // add less than 2^-46, so the power comes out within about 2^-44 of its value: the promised
  // 2^-30 leaves a wide margin.
  uint32_t bits;
  std::memcpy(&bits, &base, sizeof bits);
  // base = 2^kz z with z in [offset, 2 offset), so both sides of 1 share the exact entry log 1 = 0.
  const int32_t kz = static_cast<int32_t>(bits - kLogOffsetFloatBits) >> 23;  // -127..0
  const uint32_t up = static_cast<uint32_t>(-kz);
  const double z = base * kPowersOfTwo.low[up & 31] * kPowersOfTwo.high[up >> 5];
  const LogEntry1& e1 = kLog1[static_cast<int>(z * 64.0 + 0.5) - kLog1First];
  const double r = z * e1.inv - 1.0;  // |r| < 0.0114: the series' r^7 / 7 term is below 2^-48
  // Estrin's scheme: a shorter chain of dependent operations than Horner's.
  const double r2 = r * r;
  const double log1pR =
      r + r2 * ((-0.5 + r * (1.0 / 3)) + r2 * ((-0.25 + r * 0.2) + r2 * (-1.0 / 6)));
  const double kd = kz;
  const double log = kd * kLn2Hi + (e1.logHi + (log1pR + kd * kLn2Lo));
  const double a = exponent * log;
  if (a < -42.0) return 0.0;  // e^-42 < 2^-60

  // a = n ln2 / 1024 + h with n truncated, so |h| < 2^-10.5 and h^4 / 24 stays below 2^-46.
  const int32_t n = static_cast<int32_t>(a * kExpInvStep);  // -62047..0
  const double nd = n;
  const double h = (a - nd * kExpStepHi) - nd * kExpStepMid;
  const double q = h + h * h * (0.5 + h * (1.0 / 6 + h * (1.0 / 24)));
  return kExp2[n & 1023].hi * (1.0 + q) * kPowersOfTwo.negative[-(n >> 10)];
}

// Two estimates at once in SSE2, which both builds have: lane by lane the very operations of
// Estimate, so the results are its bits, with half the instructions in flight per estimate.
inline __m128d PowerOfTwo(__m128i exponents) {  // 2^e for the low two int32 lanes, -1022..1023
  const __m128i biased = _mm_add_epi32(exponents, _mm_set1_epi32(1023));  // positive
  return _mm_castsi128_pd(_mm_slli_epi64(_mm_unpacklo_epi32(biased, _mm_setzero_si128()), 52));
}

inline __m128d LoadPair(const double* a, const double* b) {
  return _mm_loadh_pd(_mm_load_sd(a), b);
}

inline int Lane(__m128i v, int lane) {
  return _mm_cvtsi128_si32(lane == 0 ? v : _mm_srli_si128(v, 4));
}

// False when either base is outside the domain; the caller then takes Estimate.
inline bool Estimate2(const float* bases, __m128d exponent, double* powers) {
  const __m128 floats = _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(bases)));
  const __m128 inside = _mm_and_ps(_mm_cmpge_ps(floats, _mm_set1_ps(0x1p-126f)),
                                   _mm_cmple_ps(floats, _mm_set1_ps(1.0f)));
  if ((_mm_movemask_ps(inside) & 3) != 3) return false;
  const __m128i kz = _mm_srai_epi32(
      _mm_sub_epi32(_mm_castps_si128(floats), _mm_set1_epi32(kLogOffsetFloatBits)), 23);
  const __m128d z =
      _mm_mul_pd(_mm_cvtps_pd(floats), PowerOfTwo(_mm_sub_epi32(_mm_setzero_si128(), kz)));
  const __m128i i =
      _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(z, _mm_set1_pd(64.0)), _mm_set1_pd(0.5)));
  const LogEntry1& e0 = kLog1[Lane(i, 0) - kLog1First];
  const LogEntry1& e1 = kLog1[Lane(i, 1) - kLog1First];
  const __m128d r = _mm_sub_pd(_mm_mul_pd(z, LoadPair(&e0.inv, &e1.inv)), _mm_set1_pd(1.0));
  const __m128d r2 = _mm_mul_pd(r, r);
  const __m128d inner = _mm_add_pd(_mm_add_pd(_mm_set1_pd(-0.25), _mm_mul_pd(r, _mm_set1_pd(0.2))),
                                   _mm_mul_pd(r2, _mm_set1_pd(-1.0 / 6)));
  const __m128d outer = _mm_add_pd(
      _mm_add_pd(_mm_set1_pd(-0.5), _mm_mul_pd(r, _mm_set1_pd(1.0 / 3))), _mm_mul_pd(r2, inner));
  const __m128d log1pR = _mm_add_pd(r, _mm_mul_pd(r2, outer));
  const __m128d kd = _mm_cvtepi32_pd(kz);
  const __m128d log =
      _mm_add_pd(_mm_mul_pd(kd, _mm_set1_pd(kLn2Hi)),
                 _mm_add_pd(LoadPair(&e0.logHi, &e1.logHi),
                            _mm_add_pd(log1pR, _mm_mul_pd(kd, _mm_set1_pd(kLn2Lo)))));
  const __m128d a = _mm_mul_pd(exponent, log);
  // Lanes past the cut-off compute on -42 and give 0.
  const __m128d beyond = _mm_cmplt_pd(a, _mm_set1_pd(-42.0));
  const __m128d bounded = _mm_max_pd(a, _mm_set1_pd(-42.0));
  const __m128i n = _mm_cvttpd_epi32(_mm_mul_pd(bounded, _mm_set1_pd(kExpInvStep)));
  const __m128d nd = _mm_cvtepi32_pd(n);
  const __m128d h = _mm_sub_pd(_mm_sub_pd(bounded, _mm_mul_pd(nd, _mm_set1_pd(kExpStepHi))),
                               _mm_mul_pd(nd, _mm_set1_pd(kExpStepMid)));
  const __m128d poly = _mm_add_pd(
      _mm_set1_pd(0.5),
      _mm_mul_pd(h, _mm_add_pd(_mm_set1_pd(1.0 / 6), _mm_mul_pd(h, _mm_set1_pd(1.0 / 24)))));
  const __m128d q = _mm_add_pd(h, _mm_mul_pd(_mm_mul_pd(h, h), poly));
  const __m128d table = LoadPair(&kExp2[Lane(n, 0) & 1023].hi, &kExp2[Lane(n, 1) & 1023].hi);
  const __m128d power = _mm_mul_pd(_mm_mul_pd(table, _mm_add_pd(_mm_set1_pd(1.0), q)),
                                   PowerOfTwo(_mm_srai_epi32(n, 10)));
  _mm_storeu_pd(powers, _mm_andnot_pd(beyond, power));
  return true;
}

}  // namespace

double CurvePowerEstimate(float base, double exponent) { return Estimate(base, exponent); }

void CurvePowerEstimates(const float* bases, int count, double exponent, double* powers) {
  int i = 0;
  if (exponent >= 0.0625 && exponent <= 16.0) {
    const __m128d exponents = _mm_set1_pd(exponent);
    for (; i + 2 <= count; i += 2) {
      if (!Estimate2(bases + i, exponents, powers + i)) {
        powers[i] = Estimate(bases[i], exponent);
        powers[i + 1] = Estimate(bases[i + 1], exponent);
      }
    }
  }
  for (; i < count; ++i) powers[i] = Estimate(bases[i], exponent);
}
