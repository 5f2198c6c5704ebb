#include "players/sample_players.h"

#include "store/packed.h"

namespace tallyvex::players {

namespace {

constexpr std::array<SamplePlayer, kSamplePlayerCount> kSamplePlayers{{
    {"1001", "Abernathy", "Kathleen"},   {"1002", "Baxter", "Ned"},
    {"1003", "Caldwell", "Quentin"},     {"1004", "Dunlap", "Norma"},
    {"1005", "Eckert", "Dale"},          {"1006", "Fairbanks", "Audrey"},
    {"1007", "Gallagher", "Doris"},      {"1008", "Holloway", "Floyd"},
    {"1009", "Ingersoll", "Jerome"},     {"1010", "Jennings", "Shirley"},
    {"1011", "Kowalski", "Emmett"},      {"1012", "Lindqvist", "Arthur"},
    {"1013", "McAllister", "Ethel"},     {"1014", "Novak", "Roberta"},
    {"1015", "O'Rourke", "Homer"},       {"1016", "Pennington", "Loretta"},
    {"1017", "Quimby", "Luther"},        {"1018", "Rasmussen", "Douglas"},
    {"1019", "Sorensen", "Cecile"},      {"1020", "Thibodeaux", "Beatrice"},
    {"1021", "Underwood", "Frances"},    {"1022", "Vandermeer", "Harold"},
    {"1023", "Whitfield", "Thelma"},     {"1024", "Yarborough", "Maurice"},
    {"1025", "Zimmerman", "Otis"},       {"1026", "Albright", "Leroy"},
    {"1027", "Bergstrom", "Georgia"},    {"1028", "Castellano", "Carmen"},
    {"1029", "Delacroix", "Oscar"},      {"1030", "Eriksen", "Bernice"},
    {"1031", "Fitzgerald", "Milton"},    {"1032", "Grabowski", "Nadine"},
    {"1033", "Hendricks", "Wallace"},    {"1034", "Iverson", "Bernard"},
    {"1035", "Jablonski", "Ulysses"},    {"1036", "Kellerman", "Wilma"},
    {"1037", "Lachance", "Calvin"},      {"1038", "Montgomery", "Sheldon"},
    {"1039", "Nakamura", "Gladys"},      {"1040", "Oyelaran", "Arlene"},
    {"1041", "Petrakis", "Raymond"},     {"1042", "Quintero", "Kenneth"},
    {"1043", "Rutherford", "Priscilla"}, {"1044", "Schwartz", "Howard"},
    {"1045", "Takahashi", "Gus"},        {"1046", "Ulrich", "Connie"},
    {"1047", "Valentine", "Eloise"},     {"1048", "Wojcik", "Edith"},
    {"1049", "Yoder", "Marjorie"},       {"1050", "Zabriskie", "Clarence"},
    {"1051", "Ashworth", "Vivian"},      {"1052", "Brennan", "Hazel"},
    {"1053", "Chadwick", "Imogene"},     {"1054", "Dominguez", "Travis"},
    {"1055", "Everhart", "Leonard"},     {"1056", "Fontaine", "Lyle"},
    {"1057", "Gustafson", "Sylvia"},     {"1058", "Hartley", "Evelyn"},
    {"1059", "Ibarra", "Vernon"},        {"1060", "Jorgensen", "Glen"},
    {"1061", "Kincaid", "Olive"},        {"1062", "Larkin", "Rosemary"},
    {"1063", "Mendoza", "Theresa"},      {"1064", "Northcutt", "Marlene"},
    {"1065", "Ostrander", "Orville"},    {"1066", "Pulaski", "Phyllis"},
    {"1067", "Quinlan", "Percy"},        {"1068", "Robichaux", "Elmer"},
    {"1069", "Stoltzfus", "Tamara"},     {"1070", "Trautman", "Verna"},
    {"1071", "Upchurch", "Clifford"},    {"1072", "Villanueva", "Walter"},
    {"1073", "Wakefield", "Cyrus"},      {"1074", "Youngblood", "Maxine"},
    {"1075", "Zeller", "Francine"},      {"1076", "Atwood", "Ross"},
    {"1077", "Bouchard", "Agnes"},       {"1078", "Crenshaw", "Albert"},
    {"1079", "Dubois", "Willard"},       {"1080", "Ellsworth", "Roland"},
    {"1081", "Fleming", "Nora"},         {"1082", "Gonzalez", "Yvonne"},
    {"1083", "Hathaway", "Ida"},         {"1084", "Ingram", "Opal"},
    {"1085", "Jankowski", "Sadie"},      {"1086", "Kirkpatrick", "Ramona"},
    {"1087", "Lombardi", "Estelle"},     {"1088", "Marchetti", "Stanley"},
    {"1089", "Nilsson", "Russell"},      {"1090", "Okafor", "Mildred"},
    {"1091", "Prescott", "Rosalind"},    {"1092", "Rademacher", "Geneva"},
    {"1093", "Sinclair", "Florence"},    {"1094", "Tremblay", "Lowell"},
    {"1095", "Vasquez", "Boyd"},         {"1096", "Whitaker", "Franklin"},
    {"1097", "Yamamoto", "Winifred"},    {"1098", "Zielinski", "Ingrid"},
    {"1099", "Ackerman", "Wendell"},     {"1100", "Blackwood", "Lionel"},
    {"1101", "Corrigan", "Dean"},        {"1102", "Dupree", "Rudolph"},
    {"1103", "Esposito", "Eugene"},      {"1104", "Faulkner", "Pauline"},
    {"1105", "Greenberg", "Herman"},     {"1106", "Halvorsen", "Joyce"},
    {"1107", "Isaacson", "Julius"},      {"1108", "Jaworski", "Felix"},
    {"1109", "Kemper", "Vince"},         {"1110", "Lundgren", "Gilbert"},
    {"1111", "MacDonald", "Irving"},     {"1112", "Nguyen", "Irene"},
    {"1113", "O'Malley", "Lucille"},     {"1114", "Pettibone", "Lorraine"},
    {"1115", "Redfern", "Edgar"},        {"1116", "Tolliver", "Delores"},
    {"1117", "Vaughn", "Warren"},        {"1118", "Weatherby", "Darlene"},
    {"1119", "Ziegler", "Harriet"},      {"1120", "Beaumont", "Jasper"},
    {"1121", "Carlisle", "Chester"},     {"1122", "Donnelly", "Marvin"},
    {"1123", "Forsythe", "Dwight"},      {"1124", "Gauthier", "Bonnie"},
    {"1125", "Hennessey", "Josephine"},  {"1126", "Lefebvre", "Gordon"},
    {"1127", "Muñoz", "Velma"},          {"1128", "Pelletier", "Jean"},
    {"1129", "Ruiz-Ortega", "Norman"},   {"1130", "St. Clair", "Truman"},
}};

}  // namespace

const std::array<SamplePlayer, kSamplePlayerCount>& samplePlayers() {
    return kSamplePlayers;
}

std::string sampleEntryText(const SamplePlayer& player) {
    return store::joinSeparated({std::string(player.id), std::string(player.lastName),
                                 std::string(player.firstName), "", "", "", ""});
}

}  // namespace tallyvex::players
